// A showing's window on the toolkit: the template laid out in widgets, and its keys.
#include "DialogWindow.h"

#include "ControlWidgets.h"
#include "Resources.h"
#include "framework/AfxRes.h"
#include "framework/ControlGroups.h"
#include "framework/DialogShowing.h"
#include "framework/DialogUnits.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The toolkit's locale for a template's language id. Our templates are all German (Germany);
// any other id leaves the application's locale.
QLocale LocaleOf(WORD wLanguage)
{
    constexpr WORD wGermanGermany = 0x0407;
    return wLanguage == wGermanGermany ? QLocale(QLocale::German, QLocale::Germany) : QLocale();
}

} // namespace

CPostedMessageEvent::CPostedMessageEvent(UINT nMessage, WPARAM wParam, LPARAM lParam)
    : QEvent(EventType()), m_nMessage(nMessage), m_wParam(wParam), m_lParam(lParam)
{
}

QEvent::Type CPostedMessageEvent::EventType()
{
    static const auto s_type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return s_type;
}

CDialogWindow::CDialogWindow(CDialogShowing& showing, const SDialogTemplate& dialogTemplate, const QFont& font)
    // A caption and a modal frame, and nothing else: no close box, no icon, no resizing.
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_showing(showing)
{
    setModal(true);
    setLocale(LocaleOf(dialogTemplate.wLanguage));
    setFont(font);
    setFixedSize(MapDialogX(dialogTemplate.cx), MapDialogY(dialogTemplate.cy));

    const std::vector<int> groups = ControlGroups(dialogTemplate.items);
    QButtonGroup* pRadioGroup = nullptr;
    int nRadioGroupOf = -1;
    for (std::size_t i = 0; i < dialogTemplate.items.size(); ++i) {
        const SDialogItem& item = dialogTemplate.items[i];
        const int nGroup = groups[i];
        QWidget* pWidget = CreateControl(item);
        const CRect rect = MapDialogRect(item.x, item.y, item.cx, item.cy);
        pWidget->move(rect.left, rect.top);
        // A picture keeps the size of its bitmap or icon, not that of its rectangle.
        if (dynamic_cast<CPictureWidget*>(pWidget) == nullptr)
            pWidget->resize(rect.Width(), rect.Height());
        if ((item.dwStyle & WS_DISABLED) != 0)
            pWidget->setEnabled(false);

        // The radio buttons of one group keep one another exclusive.
        QButtonGroup* pGroupOfItem = nullptr;
        if (auto* pRadio = qobject_cast<QRadioButton*>(pWidget)) {
            if (pRadioGroup == nullptr || nRadioGroupOf != nGroup) {
                pRadioGroup = new QButtonGroup(this);
                nRadioGroupOf = nGroup;
            }
            // The group decides which buttons exclude each other; left auto-exclusive, the
            // button still tells screen readers that it is a radio button, not a check box.
            pRadioGroup->addButton(pRadio);
            pGroupOfItem = pRadioGroup;
        }
        m_items.push_back({&item, pWidget, pGroupOfItem});
    }

    // The first control of the template lies on top, and the tab goes in template order.
    for (const SItem& item : m_items)
        item.pWidget->lower();
    PutRadioButtonsInTheirGroupBoxes();
    QWidget* pPrevious = nullptr;
    for (const SItem& item : m_items) {
        if (item.pWidget->focusPolicy() == Qt::NoFocus)
            continue;
        if (pPrevious != nullptr)
            QWidget::setTabOrder(pPrevious, item.pWidget);
        pPrevious = item.pWidget;
    }
}

void CDialogWindow::PutRadioButtonsInTheirGroupBoxes()
{
    for (const SItem& radio : m_items) {
        if (radio.pRadioGroup == nullptr)
            continue;
        for (const SItem& box : m_items) {
            auto* pBox = qobject_cast<QGroupBox*>(box.pWidget);
            if (pBox == nullptr || !pBox->geometry().contains(radio.pWidget->geometry()))
                continue;
            const QPoint at = radio.pWidget->pos() - pBox->pos();
            radio.pWidget->setParent(pBox);
            radio.pWidget->move(at);
            radio.pWidget->show();
            break;
        }
    }
}

QWidget* CDialogWindow::CreateControl(const SDialogItem& item)
{
    const QString strText = QString::fromLocal8Bit(item.pszText != nullptr ? item.pszText : "");
    const Qt::FocusPolicy focus = (item.dwStyle & WS_TABSTOP) != 0 ? Qt::StrongFocus : Qt::ClickFocus;
    QWidget* pWidget = nullptr;

    switch (item.wndClass) {
    case EWndClass::Static:
        switch (item.dwStyle & SS_TYPEMASK) {
        case SS_BITMAP:
            pWidget = new CPictureWidget(AfxLoadBitmap(item.nImage), this);
            break;
        case SS_ICON:
            pWidget = new CPictureWidget(AfxLoadIcon(item.nImage).pixmap(32, 32), this);
            break;
        case SS_WHITERECT:
            pWidget = new CWhiteRectWidget(this);
            break;
        case SS_BLACKFRAME:
            pWidget = new CFrameWidget((item.dwStyle & SS_SUNKEN) != 0, this);
            break;
        default:
            pWidget = new CStaticTextWidget(strText, (item.dwExStyle & WS_EX_TRANSPARENT) != 0, this);
            break;
        }
        pWidget->setFocusPolicy(Qt::NoFocus);
        break;

    case EWndClass::Button:
        switch (item.dwStyle & BS_TYPEMASK) {
        case BS_GROUPBOX: {
            auto* pGroup = new QGroupBox(strText, this);
            pGroup->setFocusPolicy(Qt::NoFocus);
            pWidget = pGroup;
            break;
        }
        case BS_AUTORADIOBUTTON: {
            auto* pRadio = new QRadioButton(strText, this);
            pRadio->setFocusPolicy(focus);
            pWidget = pRadio;
            break;
        }
        default: {
            auto* pButton = new CPushButtonWidget(strText, this);
            pButton->setFocusPolicy(focus);
            pButton->setDefault((item.dwStyle & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
            pWidget = pButton;
            break;
        }
        }
        // Push and radio buttons send their id as a command when clicked; a group box does not.
        if (auto* pClickable = qobject_cast<QAbstractButton*>(pWidget)) {
            const auto nID = static_cast<UINT>(item.nID);
            connect(pClickable, &QAbstractButton::clicked, this, [this, nID] { m_showing.Command(nID); });
        }
        break;

    case EWndClass::Progress: {
        auto* pProgress = new CProgressWidget(this);
        pProgress->setFocusPolicy(Qt::NoFocus);
        pWidget = pProgress;
        break;
    }
    }
    return pWidget;
}

QWidget* CDialogWindow::Item(int nID) const
{
    for (const SItem& item : m_items)
        if (item.pTemplate->nID == nID)
            return item.pWidget;
    return nullptr;
}

QPushButton* CDialogWindow::DefaultButton() const
{
    for (const SItem& item : m_items)
        if (auto* pButton = qobject_cast<QPushButton*>(item.pWidget); pButton != nullptr && pButton->isDefault())
            return pButton;
    return nullptr;
}

void CDialogWindow::keyPressEvent(QKeyEvent* pEvent)
{
    switch (pEvent->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A focused push button takes Enter itself; otherwise the default button is
        // pressed, and without one the dialog gets the IDOK command.
        if (pEvent->modifiers() == Qt::NoModifier || pEvent->modifiers() == Qt::KeypadModifier) {
            if (QPushButton* pDefault = DefaultButton()) {
                if (pDefault->isEnabled())
                    pDefault->click();
            } else {
                m_showing.Command(IDOK);
            }
            return;
        }
        break;
    case Qt::Key_F1:
        m_showing.Command(ID_HELP);
        return;
    default:
        break;
    }
    QDialog::keyPressEvent(pEvent);
}

void CDialogWindow::reject()
{
    m_showing.Command(IDCANCEL);
}

bool CDialogWindow::event(QEvent* pEvent)
{
    if (pEvent->type() == CPostedMessageEvent::EventType()) {
        const auto* pMessage = static_cast<CPostedMessageEvent*>(pEvent);
        LRESULT lResult = 0;
        m_showing.Message(pMessage->m_nMessage, pMessage->m_wParam, pMessage->m_lParam, &lResult);
        return true;
    }
    return QDialog::event(pEvent);
}
