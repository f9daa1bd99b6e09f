// The window of one showing of a dialog: made from the dialog's template, it passes its
// buttons' commands, the keyboard's Enter, Escape and F1, and posted messages to the
// showing. Only the dialog layer itself uses this class.
#pragma once
#ifndef KORVANT_QT_BACK_END
#error "framework/qt's own header: outside the Qt back end, include framework/qt/WidgetAccess.h"
#endif

#include "framework/DialogTemplate.h"

#include <QDialog>
#include <QEvent>

#include <vector>

class CDialogShowing;
class QButtonGroup;
class QPushButton;

// A message queued for a dialog's window from any thread.
class CPostedMessageEvent : public QEvent
{
public:
    CPostedMessageEvent(UINT nMessage, WPARAM wParam, LPARAM lParam);
    static QEvent::Type EventType();

    const UINT m_nMessage;
    const WPARAM m_wParam;
    const LPARAM m_lParam;
};

class CDialogWindow : public QDialog
{
public:
    struct SItem
    {
        const SDialogItem* pTemplate;
        QWidget* pWidget;
        QButtonGroup* pRadioGroup;  // the radio group the control belongs to, if any
    };

    CDialogWindow(CDialogShowing& showing, const SDialogTemplate& dialogTemplate, const QFont& font);

    const std::vector<SItem>& Items() const { return m_items; }
    // The first control with this id, or nullptr.
    QWidget* Item(int nID) const;

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    bool event(QEvent* pEvent) override;

public:
    // Escape and closing the window both send the IDCANCEL command; the dialog decides.
    void reject() override;

private:
    QWidget* CreateControl(const SDialogItem& item);
    // A template lays the group box beside its radio buttons; screen readers need the buttons
    // inside it to know them as one group under its label, so each button that lies within a
    // group box becomes its child, in the same place on the page.
    void PutRadioButtonsInTheirGroupBoxes();
    QPushButton* DefaultButton() const;

    CDialogShowing& m_showing;
    std::vector<SItem> m_items;
};
