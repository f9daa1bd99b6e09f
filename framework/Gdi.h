// The drawing side of our dialog layer: fonts described by a LOGFONT, and the paint context
// a control's paint handler draws its text with. The handles are the back end's.
#pragma once

#include "WinDefs.h"

#include <string>

class CWnd;

class CFont
{
public:
    CFont() = default;
    ~CFont();
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // Makes the font this description asks for; a font made before is released first.
    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
    // Copies the description the font was made from; returns 0 when there is no font.
    int GetLogFont(LOGFONT* pLogFont) const;
    // Releases the font if this object made it; FALSE when there was none.
    BOOL DeleteObject();

    // Stands for a font that someone else made and releases (a dialog's own font), until
    // Detach; a font this object made is released first.
    void Attach(HFONT hFont);
    HFONT Detach();

    HFONT m_hObject = nullptr;

private:
    bool m_bOwned = false;
};

class CDC
{
public:
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Returns the font that was selected before, to be selected again before the paint ends:
    // the first time, an object that stands for the context's own font. Returns nullptr, and
    // leaves the selection alone, for a null font or one that cannot be selected.
    CFont* SelectObject(CFont* pFont);
    // TRANSPARENT draws only the letters; OPAQUE (the start) fills behind them first.
    int SetBkMode(int nBkMode);
    // Draws the text in the rectangle, left and top aligned. "&x" underlines x and "&&"
    // shows one "&" unless DT_NOPREFIX; DT_WORDBREAK breaks lines between words; the text
    // is clipped to the rectangle unless DT_NOCLIP. Returns the height of the text drawn.
    int DrawText(const std::string& strText, RECT* lpRect, UINT nFormat);

    HDC m_hDC = nullptr;

protected:
    CDC() = default;
    ~CDC() = default;

private:
    CFont* m_pFont = nullptr;
    // The context's own font, from before the first selection; the system's, not ours.
    CFont m_fontBefore;
};

// Painting a window's own area, for the length of one paint of that window.
class CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC();

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};
