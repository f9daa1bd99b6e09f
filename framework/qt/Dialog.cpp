// A showing of a dialog on the toolkit: a modal widget made from the template, in a font the
// back end makes for it, run by the toolkit's own modal loop.
#include "framework/BackEnd.h"

#include "DialogWindow.h"
#include "Placement.h"
#include "QtHandles.h"
#include "framework/DialogShowing.h"

#include <QApplication>

#include <memory>

bool AfxRunModalDialog(const SDialogTemplate& dialogTemplate, CDialogShowing& showing)
{
    if (QApplication::instance() == nullptr)
        return false;

    // The toolkit has no dialog manager to make the template's font: the back end makes it,
    // and keeps it until the window has gone.
    const HFONT hFont = AfxCreateFont(MakeLogFont(dialogTemplate.pszFaceName, dialogTemplate.nPointSize));
    auto pWindow = std::make_unique<CDialogWindow>(showing, dialogTemplate, hFont->font);
    const SShowingStart start = showing.Begin(HandleOf(pWindow.get()), hFont);
    if (start.bSetFocus && start.hFocus != nullptr)
        WidgetOf(start.hFocus)->setFocus(Qt::TabFocusReason);
    if (start.bRunModalLoop) {
        PlaceInTheCentre(*pWindow);
        pWindow->exec();
    }

    showing.End();
    pWindow.reset();
    AfxDeleteFont(hFont);
    return true;
}
