// Fonts and painting on the toolkit: a font handle holds a QFont, a paint context a QPainter.
#include "framework/BackEnd.h"

#include "QtHandles.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// Fonts that the templates name and that Linux does not have, and the face that stands in,
// chosen for metrics close to the original so that texts fill their controls the same way.
void SubstituteDialogFonts()
{
    static const bool s_bDone = [] {
        QFont::insertSubstitution(QStringLiteral("MS Shell Dlg"), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("MS Shell Dlg 2"), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    (void)s_bDone;
}

} // namespace

int TextFlagsFor(UINT nFormat)
{
    int nFlags = Qt::AlignLeft | Qt::AlignTop;
    if ((nFormat & DT_WORDBREAK) != 0)
        nFlags |= Qt::TextWordWrap;
    if ((nFormat & DT_NOPREFIX) == 0)
        nFlags |= Qt::TextShowMnemonic;
    if ((nFormat & DT_NOCLIP) != 0)
        nFlags |= Qt::TextDontClip;
    return nFlags;
}

LOGFONT MakeLogFont(const char* pszFaceName, int nPointSize)
{
    LOGFONT lf{};
    // Points at 96 dpi, rounded as the system does: 8 points make 11 pixels.
    lf.lfHeight = -((nPointSize * 96 + 36) / 72);
    lf.lfWeight = FW_NORMAL;
    std::strncpy(lf.lfFaceName, pszFaceName, LF_FACESIZE - 1);
    return lf;
}

HFONT AfxCreateFont(const LOGFONT& logFont)
{
    SubstituteDialogFonts();
    auto* pFont = new HFONT__{QFont(), logFont};
    LOGFONT& lf = pFont->logFont;
    lf.lfFaceName[LF_FACESIZE - 1] = '\0';

    QFont& font = pFont->font;
    font = QFont(QString::fromLatin1(lf.lfFaceName));
    font.setPixelSize(std::max<LONG>(1, lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight));
    const LONG lWeight = lf.lfWeight == 0 ? FW_NORMAL : std::clamp<LONG>(lf.lfWeight, 100, 900);
    font.setWeight(static_cast<QFont::Weight>(lWeight));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    return pFont;
}

int AfxGetLogFont(HFONT hFont, LOGFONT* pLogFont)
{
    *pLogFont = hFont->logFont;
    return static_cast<int>(sizeof(LOGFONT));
}

void AfxDeleteFont(HFONT hFont)
{
    delete hFont;
}

HFONT AfxSelectFont(HDC hDC, HFONT hFont)
{
    hDC->painter.setFont(hFont->font);
    return std::exchange(hDC->pSelected, hFont);
}

int AfxSetBkMode(HDC hDC, int nBkMode)
{
    return std::exchange(hDC->nBkMode, nBkMode);
}

int AfxDrawText(HDC hDC, const std::string& strText, RECT* lpRect, UINT nFormat)
{
    const QRect rect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top);
    const QString text = QString::fromLocal8Bit(strText.data(), static_cast<qsizetype>(strText.size()));

    const int nFlags = TextFlagsFor(nFormat);
    QPainter& painter = hDC->painter;
    QRect bound = painter.boundingRect(rect, nFlags, text);
    if ((nFormat & DT_NOCLIP) == 0)
        bound &= rect;
    if (hDC->nBkMode == OPAQUE && !text.isEmpty())
        painter.fillRect(bound, Qt::white);
    painter.drawText(rect, nFlags, text);
    return bound.height();
}

HDC AfxBeginPaint(HWND hWnd, PAINTSTRUCT* pPaint)
{
    auto* pDC = new HDC__;
    pDC->painter.begin(WidgetOf(hWnd));
    // A fresh context draws black letters, whatever the window's colours are.
    pDC->painter.setPen(Qt::black);
    pDC->ownFont.font = pDC->painter.font();
    pPaint->hdc = pDC;
    AfxGetClientRect(hWnd, &pPaint->rcPaint);
    return pDC;
}

void AfxEndPaint(HWND, const PAINTSTRUCT* pPaint)
{
    pPaint->hdc->painter.end();
    delete pPaint->hdc;
}
