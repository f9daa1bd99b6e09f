// A showing of a dialog on the toolkit: a modal widget made from the template, run by the
// toolkit's own modal loop.
#include "framework/Dialog.h"

#include "DialogWindow.h"
#include "QtHandles.h"

#include <QApplication>

#include <memory>

int CDialog::DoModal()
{
    const SDialogTemplate* pTemplate = FindDialogTemplate(m_nIDTemplate);
    if (pTemplate == nullptr || QApplication::instance() == nullptr || m_hWnd != nullptr)
        return -1;

    // The toolkit has no dialog manager to make the template's font: the dialog makes it.
    const LOGFONT lf = MakeLogFont(pTemplate->pszFaceName, pTemplate->nPointSize);
    m_font.CreateFontIndirect(&lf);
    auto pWindow = std::make_unique<CDialogWindow>(*this, *pTemplate, m_font.m_hObject->font);
    BeginShowing(HandleOf(pWindow.get()));

    if (OnInitDialog())
        pWindow->SetInitialFocus();
    if (!m_bEnded)
        pWindow->exec();

    EndShowing();
    pWindow.reset();
    return m_nModalResult;
}
