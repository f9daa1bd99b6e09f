// The drawing side of our dialog layer: fonts described by a LOGFONT, and the paint context
// a control's paint handler draws its text with.
#pragma once

#include "WinDefs.h"

#include <QFont>
#include <QPainter>

#include <optional>
#include <string>

class CWnd;

class CFont
{
public:
    CFont() = default;
    ~CFont() = default;
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // Makes the font this description asks for; a font made before is released first.
    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
    // Copies the description the font was made from; returns 0 when there is no font.
    int GetLogFont(LOGFONT* pLogFont) const;
    BOOL DeleteObject();

    // The toolkit's font; nullptr when none has been made.
    const QFont* GetQFont() const { return m_font ? &*m_font : nullptr; }

private:
    std::optional<QFont> m_font;
    LOGFONT m_logFont{};
};

// The toolkit's text flags for DrawText's format: left and top aligned, and as DrawText says.
int TextFlagsFor(UINT nFormat);

// The description of a template's font: face and point size at 96 dots per inch.
LOGFONT MakeLogFont(const char* pszFaceName, int nPointSize);

class CDC
{
public:
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Returns the font that was selected before; a null font leaves the selection alone.
    CFont* SelectObject(CFont* pFont);
    // TRANSPARENT draws only the letters; OPAQUE (the start) fills behind them first.
    int SetBkMode(int nBkMode);
    // Draws the text in the rectangle, left and top aligned. "&x" underlines x and "&&"
    // shows one "&" unless DT_NOPREFIX; DT_WORDBREAK breaks lines between words; the text
    // is clipped to the rectangle unless DT_NOCLIP. Returns the height of the text drawn.
    int DrawText(const std::string& strText, RECT* lpRect, UINT nFormat);

protected:
    CDC() = default;
    ~CDC() = default;

    QPainter m_painter;

private:
    CFont* m_pFont = nullptr;
    int m_nBkMode = OPAQUE;
};

// Painting a window's own area, for the length of one paint of that window.
class CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC();
};
