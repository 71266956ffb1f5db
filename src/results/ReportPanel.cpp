#include "ReportPanel.h"

#include "platform/TextFile.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>

namespace vorkast {

namespace {

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

ReportPanel::ReportPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("rzPanel1"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    RxRichEdit1 = new QTextEdit(this);
    RxRichEdit1->setObjectName(QStringLiteral("RxRichEdit1"));
    RxRichEdit1->setReadOnly(true);
    RxRichEdit1->setAcceptRichText(false);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(16);
    font.setBold(true);
    RxRichEdit1->setFont(font);

    sBitBtn8 = button(this, "sBitBtn8", QStringLiteral("Сохранить документ"));
    sBitBtn8->setToolTip(QStringLiteral("Сохранится в папке result"));
    sBitBtn8->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    sBitBtn9 = button(this, "sBitBtn9", QStringLiteral("Предыдущий"));
    sBitBtn9->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    sBitBtn10 = button(this, "sBitBtn10", QStringLiteral("Следующий"));
    sBitBtn10->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    sBitBtn10->setLayoutDirection(Qt::RightToLeft);  // the picture on the right of the text
    sBitBtn11 = button(this, "sBitBtn11", QStringLiteral("Закрыть"));

    sGauge1 = new QProgressBar(this);
    sGauge1->setObjectName(QStringLiteral("sGauge1"));
    sGauge1->setRange(0, 100);
    sGauge1->setValue(0);
    sGauge1->setFormat(QStringLiteral("%p%"));
    sGauge1->setTextVisible(true);
    sGauge1->setAlignment(Qt::AlignCenter);
    sGauge1->setToolTip(QStringLiteral("Процент качества знаний теста"));
    sGauge1->setMinimumWidth(120);
    QPalette palette = sGauge1->palette();
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::HighlightedText, Qt::black);
    sGauge1->setPalette(palette);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(sBitBtn8);
    buttons->addWidget(sBitBtn9);
    buttons->addWidget(sGauge1, 1);
    buttons->addWidget(sBitBtn10);
    buttons->addWidget(sBitBtn11);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(RxRichEdit1, 1);
    layout->addLayout(buttons);
}

void ReportPanel::setReport(const QString &text)
{
    RxRichEdit1->setPlainText(splitLines(text).join(QLatin1Char('\n')));
}

QString ReportPanel::report() const
{
    return RxRichEdit1->toPlainText();
}

void ReportPanel::setPercent(int percent)
{
    sGauge1->setValue(qBound(0, percent, 100));
}

} // namespace vorkast
