// The toolkit widgets that stand for the templates' static controls, push buttons and bars.
#include "ControlWidgets.h"

#include "QtHandles.h"

#include <QEvent>
#include <QPainter>
#include <qdrawutil.h>

#include <algorithm>

CStaticTextWidget::CStaticTextWidget(const QString& strText, bool bTransparent, QWidget* pParent)
    : QLabel(pParent), m_bTransparent(bTransparent)
{
    // Placeholder texts such as "<IDC_TEXT1>" must never be taken for markup.
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    SetText(strText);
}

void CStaticTextWidget::SetText(const QString& strText)
{
    setText(strText);
    QString strShown;
    for (qsizetype i = 0; i < strText.size(); ++i) {
        if (strText[i] == QLatin1Char('&') && ++i == strText.size())
            break;
        strShown += strText[i];
    }
    setAccessibleName(strShown);
    update();
}

void CStaticTextWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_bTransparent)
        painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(rect(), TextFlagsFor(DT_WORDBREAK), text());
}

CPushButtonWidget::CPushButtonWidget(const QString& strText, QWidget* pParent)
    : QPushButton(strText, pParent)
{
    setAutoDefault(true);
}

void CPushButtonWidget::changeEvent(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::EnabledChange)
        setAutoDefault(isEnabled());
    QPushButton::changeEvent(pEvent);
}

CPictureWidget::CPictureWidget(const QPixmap& pixmap, QWidget* pParent)
    : QWidget(pParent), m_pixmap(pixmap)
{
    resize(pixmap.deviceIndependentSize().toSize());
}

void CPictureWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_pixmap);
}

CWhiteRectWidget::CWhiteRectWidget(QWidget* pParent)
    : QWidget(pParent)
{
}

void CWhiteRectWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
}

CFrameWidget::CFrameWidget(bool bSunken, QWidget* pParent)
    : QWidget(pParent), m_bSunken(bSunken)
{
}

void CFrameWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect inner = rect();
    if (m_bSunken) {
        const QRect r = rect();
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        inner.adjust(1, 1, -1, -1);
    }
    if (inner.width() > 0 && inner.height() > 0) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(inner.adjusted(0, 0, -1, -1));
    }
}

CProgressWidget::CProgressWidget(QWidget* pParent)
    : QProgressBar(pParent)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

void CProgressWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), true, 1, &palette().brush(QPalette::Window));
    const QRect well = rect().adjusted(2, 2, -2, -2);
    const qint64 nSpan = static_cast<qint64>(maximum()) - minimum();
    if (nSpan <= 0 || well.isEmpty())
        return;
    const qint64 nDone = std::clamp<qint64>(static_cast<qint64>(value()) - minimum(), 0, nSpan);
    const int nFilled = static_cast<int>(well.width() * nDone / nSpan);
    // Blocks two thirds as wide as the well is high, two pixels apart.
    const int nBlock = std::max(2, well.height() * 2 / 3);
    const int nGap = 2;
    for (int x = 0; x < nFilled; x += nBlock + nGap)
        painter.fillRect(well.x() + x, well.y(), std::min(nBlock, well.width() - x), well.height(),
                         palette().brush(QPalette::Highlight));
}
