// The plain text control: the dialog's font, word-wrapped, on a transparent background.
#include "TextStatic.h"

#include "framework/Gdi.h"

BEGIN_MESSAGE_MAP(CTextStatic, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CTextStatic::OnPaint()
{
    CPaintDC dc(this);

    std::string strText;
    GetWindowText(strText);

    CFont* pOldFont = dc.SelectObject(GetParent() != nullptr ? GetParent()->GetFont() : nullptr);
    dc.SetBkMode(TRANSPARENT);
    CRect rect;
    GetClientRect(&rect);
    dc.DrawText(strText, &rect, DT_WORDBREAK);
    dc.SelectObject(pOldFont);
}
