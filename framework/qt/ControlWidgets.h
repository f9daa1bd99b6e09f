// The toolkit windows of ours that stand for the templates' static controls, push buttons
// and progress bars. Group boxes and radio buttons are the toolkit's own.
#pragma once
#ifndef KORVANT_QT_BACK_END
#error "framework/qt's own header: outside the Qt back end, include framework/qt/WidgetAccess.h"
#endif

#include <QLabel>
#include <QProgressBar>
#include <QPixmap>
#include <QPushButton>

// A static text: word-wrapped, left and top aligned, with ampersand processing. Unless its
// window is marked transparent it first fills its area with the dialog's face colour. An
// attached object with a paint handler draws it instead. Being a label, it tells screen
// readers its text.
class CStaticTextWidget : public QLabel
{
public:
    CStaticTextWidget(const QString& strText, bool bTransparent, QWidget* pParent);

    // Sets the text, and the name screen readers read: the text as drawn, without the
    // ampersands that only mark underlined letters.
    void SetText(const QString& strText);

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    bool m_bTransparent;
};

// A push button that, while it has the focus, is the one Enter presses and is drawn as the
// default. A disabled button never is: otherwise, on a page without a default button, the
// toolkit makes the first such button in the tab order the default one, and it is drawn so
// whenever the page is not the active window.
class CPushButtonWidget : public QPushButton
{
public:
    CPushButtonWidget(const QString& strText, QWidget* pParent);

protected:
    void changeEvent(QEvent* pEvent) override;
};

// A picture at its own pixel size from the top-left corner; the window takes that size.
class CPictureWidget : public QWidget
{
public:
    CPictureWidget(const QPixmap& pixmap, QWidget* pParent);

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QPixmap m_pixmap;
};

// An area filled with the window colour (white unless the user chose otherwise).
class CWhiteRectWidget : public QWidget
{
public:
    explicit CWhiteRectWidget(QWidget* pParent);

protected:
    void paintEvent(QPaintEvent* pEvent) override;
};

// A black frame, with a sunken edge around it if asked: at two pixels high only the edge
// is left, which makes the etched line above the buttons.
class CFrameWidget : public QWidget
{
public:
    CFrameWidget(bool bSunken, QWidget* pParent);

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    bool m_bSunken;
};

// A progress bar of the classic kind: a sunken well filled from the left with separate blocks
// of the highlight colour. (The toolkit's Windows style draws one continuous bar.)
class CProgressWidget : public QProgressBar
{
public:
    explicit CProgressWidget(QWidget* pParent);

protected:
    void paintEvent(QPaintEvent* pEvent) override;
};
