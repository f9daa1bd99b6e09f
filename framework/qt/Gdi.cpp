// Fonts and painting on the toolkit: a font handle holds a QFont, a paint context a QPainter.
#include "framework/Gdi.h"

#include "QtHandles.h"
#include "framework/BackEnd.h"
#include "framework/Wnd.h"

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

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    if (lpLogFont == nullptr)
        return FALSE;
    SubstituteDialogFonts();
    DeleteObject();
    auto* pFont = new HFONT__{QFont(), *lpLogFont};
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
    m_hObject = pFont;
    m_bOwned = true;
    return TRUE;
}

int CFont::GetLogFont(LOGFONT* pLogFont) const
{
    if (m_hObject == nullptr || pLogFont == nullptr)
        return 0;
    *pLogFont = m_hObject->logFont;
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

int CDC::SetBkMode(int nBkMode)
{
    const int nOld = m_hDC->nBkMode;
    m_hDC->nBkMode = nBkMode;
    return nOld;
}

int CDC::DrawText(const std::string& strText, RECT* lpRect, UINT nFormat)
{
    if (lpRect == nullptr)
        return 0;
    const QRect rect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top);
    const QString text = QString::fromLocal8Bit(strText.data(), static_cast<qsizetype>(strText.size()));

    const int nFlags = TextFlagsFor(nFormat);
    QPainter& painter = m_hDC->painter;
    QRect bound = painter.boundingRect(rect, nFlags, text);
    if ((nFormat & DT_NOCLIP) == 0)
        bound &= rect;
    if (m_hDC->nBkMode == OPAQUE && !text.isEmpty())
        painter.fillRect(bound, Qt::white);
    painter.drawText(rect, nFlags, text);
    return bound.height();
}

CPaintDC::CPaintDC(CWnd* pWnd)
    : m_hWnd(pWnd->m_hWnd)
{
    m_hDC = new HDC__;
    m_hDC->painter.begin(WidgetOf(m_hWnd));
    // A fresh context draws black letters, whatever the window's colours are.
    m_hDC->painter.setPen(Qt::black);
    m_hDC->ownFont.font = m_hDC->painter.font();
    m_ps.hdc = m_hDC;
    AfxGetClientRect(m_hWnd, &m_ps.rcPaint);
}

CPaintDC::~CPaintDC()
{
    m_hDC->painter.end();
    delete m_hDC;
}
