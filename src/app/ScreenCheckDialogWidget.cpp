// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenCheckDialogWidget.h"

#include "app/ScreenScale.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdlib>
#include <optional>

namespace {

// The rectangle's top left corner in the drawing area, and room around it to drag into.
constexpr int CardMargin = 16;
constexpr double RoomToGrow = 1.3;
constexpr int HandleSize = 11;
// A press this close to the corner grabs the handle.
constexpr int HandleReach = 12;

// "324 px（3.7850 px/mm）": one side of the rectangle.
QString sideText(int px, double mm)
{
    return QStringLiteral("%1 px（%2 px/mm）").arg(px).arg(QString::number(px / mm, 'f', 4));
}

// The area the rectangle is drawn in. Its pixels are the screen's: the rectangle is exactly as
// many pixels wide and high as the model says.
class CardArea final : public QWidget
{
public:
    CardArea(ScreenCheckDialog &model, QWidget *parent) : QWidget(parent), m_model(model)
    {
        setObjectName(QStringLiteral("picCard"));
        setFocusPolicy(Qt::StrongFocus);
        setMouseTracking(true);
        const QSize card = m_model.cardPx();
        m_room = QSize(int(card.width() * RoomToGrow), int(card.height() * RoomToGrow))
                 + QSize(2 * CardMargin, 2 * CardMargin);
        fitCard();
    }

    // The area grows with the rectangle, never shrinks below the room it started with.
    void fitCard()
    {
        setMinimumSize(m_room.expandedTo(m_model.cardPx() + QSize(2 * CardMargin, 2 * CardMargin)));
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().base());
        const QRect card(QPoint(CardMargin, CardMargin), m_model.cardPx());
        painter.fillRect(card, QColor(0xDD, 0xEE, 0xFF));
        // The border lies inside the rectangle, so its outer edges are the card's.
        painter.setPen(QPen(QColor(0x20, 0x40, 0x80), 1));
        painter.drawRect(card.adjusted(0, 0, -1, -1));
        painter.drawText(card, Qt::AlignCenter,
                         QStringLiteral("%1 × %2 mm")
                             .arg(ScreenCheckDialog::CardWidthMm, 0, 'f', 2)
                             .arg(ScreenCheckDialog::CardHeightMm, 0, 'f', 2));
        painter.fillRect(handle(), QColor(0x20, 0x40, 0x80));
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        const QPoint offset = event->position().toPoint() - corner();
        if (event->button() == Qt::LeftButton && reachesHandle(offset))
            m_grab = offset;
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        const QPoint at = event->position().toPoint();
        if (!m_grab) {
            setCursor(reachesHandle(at - corner()) ? Qt::SizeFDiagCursor : Qt::ArrowCursor);
            return;
        }
        const QPoint size = at - *m_grab - QPoint(CardMargin, CardMargin);
        m_model.dragCorner(QSize(size.x(), size.y()));
    }

    void mouseReleaseEvent(QMouseEvent *) override { m_grab.reset(); }

    void keyPressEvent(QKeyEvent *event) override
    {
        const bool tenfold = event->modifiers().testFlag(Qt::ShiftModifier);
        switch (event->key()) {
        case Qt::Key_Left: m_model.nudge(-1, 0, tenfold); break;
        case Qt::Key_Right: m_model.nudge(1, 0, tenfold); break;
        case Qt::Key_Up: m_model.nudge(0, -1, tenfold); break;
        case Qt::Key_Down: m_model.nudge(0, 1, tenfold); break;
        default: QWidget::keyPressEvent(event); return;
        }
    }

private:
    static bool reachesHandle(QPoint fromCorner)
    {
        return std::abs(fromCorner.x()) <= HandleReach && std::abs(fromCorner.y()) <= HandleReach;
    }
    // The card's far corner: the pixel just beyond its lower right one.
    QPoint corner() const
    {
        return QPoint(CardMargin, CardMargin) + QPoint(m_model.cardPx().width(),
                                                       m_model.cardPx().height());
    }
    QRect handle() const
    {
        return QRect(corner() - QPoint(HandleSize, HandleSize), QSize(HandleSize, HandleSize));
    }

    ScreenCheckDialog &m_model;
    QSize m_room;
    std::optional<QPoint> m_grab; // where the handle was grabbed, from the corner
};

QPushButton *button(const QString &caption, const char *name, QWidget *parent)
{
    auto *pushButton = new QPushButton(caption, parent);
    pushButton->setObjectName(QLatin1String(name));
    pushButton->setAutoDefault(false);
    return pushButton;
}

} // namespace

ScreenCheckDialogWidget::ScreenCheckDialogWidget(ScreenCheckDialog &model, QWidget *parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(QStringLiteral("画面の実寸合わせ"));
    setObjectName(QStringLiteral("dlgScreenCheck"));

    auto *instruction = new QLabel(
        QStringLiteral("キャッシュカードなど（85.60 × 53.98 mm）を画面に当てて、"
                       "枠の大きさを合わせてください。\n"
                       "右下の角をドラッグするか、矢印キーで 1 ピクセルずつ"
                       "（Shift+矢印キーで 10 ピクセルずつ）変えられます。\n"
                       "横と縦は別々に合わせます。"),
        this);
    auto *card = new CardArea(model, this);
    m_size = new QLabel(this);
    m_size->setObjectName(QStringLiteral("lblCardSize"));
    const QString start = model.startedMeasured() ? QStringLiteral("前回合わせた大きさ")
                                                  : QStringLiteral("画面が伝える大きさ");
    auto *screen = new QLabel(QStringLiteral("画面：%1（%2から始めています）")
                                  .arg(screenSettingsKey(model.screen()), start),
                              this);
    QPushButton *reported = button(QStringLiteral("画面の報告値に戻す"), "cmdReported", this);
    QPushButton *ok = button(QStringLiteral("OK"), "OKButton", this);
    QPushButton *cancel = button(QStringLiteral("キャンセル"), "CancelButton", this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(reported);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *column = new QVBoxLayout(this);
    column->addWidget(instruction);
    column->addWidget(card, 1);
    column->addWidget(m_size);
    column->addWidget(screen);
    column->addLayout(buttons);

    connect(reported, &QPushButton::clicked, &m_model, &ScreenCheckDialog::resetToReported);
    connect(ok, &QPushButton::clicked, &m_model, &ScreenCheckDialog::OKButton_Click);
    connect(cancel, &QPushButton::clicked, &m_model, &ScreenCheckDialog::CancelButton_Click);
    connect(&m_model, &ScreenCheckDialog::changed, card, &CardArea::fitCard);
    connect(&m_model, &ScreenCheckDialog::changed, this, &ScreenCheckDialogWidget::refresh);
    connect(&m_model, &ScreenCheckDialog::closeRequested, this, &QDialog::accept);
    refresh();
    card->setFocus();
}

void ScreenCheckDialogWidget::refresh()
{
    const QSize card = m_model.cardPx();
    m_size->setText(QStringLiteral("横 ") + sideText(card.width(), ScreenCheckDialog::CardWidthMm)
                    + QStringLiteral("　　縦 ")
                    + sideText(card.height(), ScreenCheckDialog::CardHeightMm));
}
