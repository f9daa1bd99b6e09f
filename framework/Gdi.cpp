#include "Gdi.h"

#include "Wnd.h"

#include <QWidget>

#include <algorithm>
#include <cstring>

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
    m_logFont = *lpLogFont;
    m_logFont.lfFaceName[LF_FACESIZE - 1] = '\0';

    QFont font(QString::fromLatin1(m_logFont.lfFaceName));
    font.setPixelSize(std::max<LONG>(1, m_logFont.lfHeight < 0 ? -m_logFont.lfHeight : m_logFont.lfHeight));
    const LONG lWeight = m_logFont.lfWeight == 0 ? FW_NORMAL : std::clamp<LONG>(m_logFont.lfWeight, 100, 900);
    font.setWeight(static_cast<QFont::Weight>(lWeight));
    font.setItalic(m_logFont.lfItalic != 0);
    font.setUnderline(m_logFont.lfUnderline != 0);
    font.setStrikeOut(m_logFont.lfStrikeOut != 0);
    m_font = font;
    return TRUE;
}

int CFont::GetLogFont(LOGFONT* pLogFont) const
{
    if (!m_font || pLogFont == nullptr)
        return 0;
    *pLogFont = m_logFont;
    return static_cast<int>(sizeof(LOGFONT));
}

BOOL CFont::DeleteObject()
{
    const bool bHad = m_font.has_value();
    m_font.reset();
    return bHad ? TRUE : FALSE;
}

CFont* CDC::SelectObject(CFont* pFont)
{
    CFont* pOld = m_pFont;
    if (pFont != nullptr && pFont->GetQFont() != nullptr) {
        m_pFont = pFont;
        m_painter.setFont(*pFont->GetQFont());
    }
    return pOld;
}

int CDC::SetBkMode(int nBkMode)
{
    const int nOld = m_nBkMode;
    m_nBkMode = nBkMode;
    return nOld;
}

int CDC::DrawText(const std::string& strText, RECT* lpRect, UINT nFormat)
{
    if (lpRect == nullptr)
        return 0;
    const QRect rect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top);
    const QString text = QString::fromLocal8Bit(strText.data(), static_cast<qsizetype>(strText.size()));

    const int nFlags = TextFlagsFor(nFormat);
    QRect bound = m_painter.boundingRect(rect, nFlags, text);
    if ((nFormat & DT_NOCLIP) == 0)
        bound &= rect;
    if (m_nBkMode == OPAQUE && !text.isEmpty())
        m_painter.fillRect(bound, Qt::white);
    m_painter.drawText(rect, nFlags, text);
    return bound.height();
}

CPaintDC::CPaintDC(CWnd* pWnd)
{
    m_painter.begin(pWnd->GetWidget());
    // A fresh context draws black letters, whatever the window's colours are.
    m_painter.setPen(Qt::black);
}

CPaintDC::~CPaintDC()
{
    m_painter.end();
}
