// A window object: stands for one window at a time. Page objects and the control objects
// they hold live across showings; each showing attaches them to that showing's windows.
#pragma once

#include "CmdTarget.h"

#include <QPointer>
#include <QWidget>

#include <string>

class CFont;

class CWnd : public CCmdTarget
{
public:
    CWnd() = default;
    ~CWnd() override;

    // The window this object stands for now; nullptr while it has none.
    QWidget* GetWidget() const { return m_pWidget.data(); }

    void SetWindowText(const std::string& strText);
    void GetWindowText(std::string& rString) const;
    void GetClientRect(RECT* lpRect) const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;

    // The dialog a control stands on; nullptr for a dialog or a window without one.
    virtual CWnd* GetParent() const;
    // The font the window draws with (WM_GETFONT): a control answers with its dialog's.
    virtual CFont* GetFont() const;

    // Attaches this object to a control window, so that the window's messages reach this
    // object's message map first. FALSE if the object already has a window.
    BOOL SubclassWindow(QWidget* pWidget);
    // Comes loose from the window and returns it.
    QWidget* UnsubclassWindow();

    // Runs this object's handler for a message of its window; false when it has none.
    bool OnWndMsg(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

protected:
    QPointer<QWidget> m_pWidget;
};

// A control window whose messages go first to the object attached to it.
class CHookedWidget
{
public:
    CWnd* m_pHook = nullptr;

protected:
    ~CHookedWidget() = default;
};

// The window text of any control or dialog window.
QString GetWidgetText(const QWidget* pWidget);
void SetWidgetText(QWidget* pWidget, const QString& strText);
