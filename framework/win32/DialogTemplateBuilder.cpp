// Writes a page template in the dialog manager's binary form, control by control.
#include "DialogTemplateBuilder.h"

#include <string>

namespace {

// The dialog manager's predefined classes by atom; the progress bar by its class name.
constexpr WORD s_wButtonAtom = 0x0080;
constexpr WORD s_wStaticAtom = 0x0082;
const char s_szProgressClass[] = "msctls_progress32";

class CTemplateWriter
{
public:
    void Word(WORD w) { m_words.push_back(w); }
    void DWord(DWORD dw)
    {
        Word(static_cast<WORD>(dw & 0xFFFFu));
        Word(static_cast<WORD>(dw >> 16));
    }
    void Short(short n) { Word(static_cast<WORD>(n)); }
    // A string in the system's ANSI code page, written as the wide string the template holds.
    void String(const char* pszText)
    {
        const std::string strText = pszText != nullptr ? pszText : "";
        const int nWide = ::MultiByteToWideChar(CP_ACP, 0, strText.c_str(), -1, nullptr, 0);
        std::wstring strWide(static_cast<std::size_t>(nWide > 0 ? nWide : 1), L'\0');
        if (nWide > 0)
            ::MultiByteToWideChar(CP_ACP, 0, strText.c_str(), -1, strWide.data(), nWide);
        for (const wchar_t c : strWide)
            Word(static_cast<WORD>(c));
    }
    void Ordinal(WORD wValue)
    {
        Word(0xFFFF);
        Word(wValue);
    }
    void AlignToDWord()
    {
        if (m_words.size() % 2 != 0)
            Word(0);
    }
    std::vector<DWORD> Take()
    {
        AlignToDWord();
        std::vector<DWORD> dwords(m_words.size() / 2);
        for (std::size_t i = 0; i < dwords.size(); ++i)
            dwords[i] = m_words[2 * i] | (static_cast<DWORD>(m_words[2 * i + 1]) << 16);
        return dwords;
    }

private:
    std::vector<WORD> m_words;
};

bool IsPicture(const SDialogItem& item)
{
    const DWORD dwType = item.dwStyle & SS_TYPEMASK;
    return item.wndClass == EWndClass::Static && (dwType == SS_BITMAP || dwType == SS_ICON);
}

} // namespace

std::vector<DWORD> BuildDialogTemplate(const SDialogTemplate& dialogTemplate)
{
    CTemplateWriter out;
    // DLGTEMPLATE: style, extended style, number of controls, place and size.
    out.DWord(KORVANT_DIALOG_STYLE);
    out.DWord(0);
    out.Word(static_cast<WORD>(dialogTemplate.items.size()));
    out.Short(0);
    out.Short(0);
    out.Short(dialogTemplate.cx);
    out.Short(dialogTemplate.cy);
    out.Word(0);      // no menu
    out.Word(0);      // the dialog class
    out.String("");   // no caption until the page gives it one
    out.Word(static_cast<WORD>(dialogTemplate.nPointSize));
    out.String(dialogTemplate.pszFaceName);

    for (const SDialogItem& item : dialogTemplate.items) {
        out.AlignToDWord();
        // DLGITEMTEMPLATE: style, extended style, place, size, id.
        out.DWord(item.dwStyle | WS_CHILD | WS_VISIBLE);
        out.DWord(item.dwExStyle);
        out.Short(item.x);
        out.Short(item.y);
        out.Short(item.cx);
        out.Short(item.cy);
        out.Word(static_cast<WORD>(item.nID));
        switch (item.wndClass) {
        case EWndClass::Static:
            out.Ordinal(s_wStaticAtom);
            break;
        case EWndClass::Button:
            out.Ordinal(s_wButtonAtom);
            break;
        case EWndClass::Progress:
            out.String(s_szProgressClass);
            break;
        }
        if (IsPicture(item))
            out.Ordinal(static_cast<WORD>(item.nImage));
        else
            out.String(item.pszText);
        out.Word(0);  // no creation data
    }
    return out.Take();
}
