// The title control: a bold copy of the dialog's font, word-wrapped, on a transparent background.
#include "TitleStatic.h"

#include "framework/Gdi.h"

BEGIN_MESSAGE_MAP(CTitleStatic, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CTitleStatic::OnPaint()
{
    // Declared first so that it is released after the paint has ended.
    CFont fontBold;
    CPaintDC dc(this);

    std::string strText;
    GetWindowText(strText);

    // The dialog's font, only bolder: the same face, size and character set.
    LOGFONT lf{};
    if (CFont* pDialogFont = GetParent() != nullptr ? GetParent()->GetFont() : nullptr)
        pDialogFont->GetLogFont(&lf);
    lf.lfWeight = FW_BOLD;
    fontBold.CreateFontIndirect(&lf);

    CFont* pOldFont = dc.SelectObject(&fontBold);
    dc.SetBkMode(TRANSPARENT);
    CRect rect;
    GetClientRect(&rect);
    dc.DrawText(strText, &rect, DT_WORDBREAK);
    dc.SelectObject(pOldFont);
}
