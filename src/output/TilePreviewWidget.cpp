// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TilePreviewWidget.h"

#include "output/PageRenderer.h"
#include "output/TilePreview.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr QSize ViewSize(720, 420);

} // namespace

// The print area reduced to fit, drawn once; the sheets over it follow the overlap.
class TilePreviewWidget::SheetsView : public QWidget
{
public:
    SheetsView(const TilePreview &preview, QWidget *parent) : QWidget(parent), m_preview(preview)
    {
        const QRectF area = printAreaBoundsOnPaper(preview.scene());
        m_scale = std::min(ViewSize.width() / area.width(), ViewSize.height() / area.height());
        m_area = QImage((area.size() * m_scale).toSize(), QImage::Format_RGB32);
        m_area.fill(Qt::white);
        QPainter painter(&m_area);
        painter.translate(-area.topLeft() * m_scale);
        PageStyle style;
        style.dotsPerMm = m_scale;
        style.pens = PagePens::ScreenPixels;
        style.kinds = PageKinds::all();
        renderPage(painter, preview.scene(), style);
        setFixedSize(m_area.size() + QSize(2, 2));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawImage(1, 1, m_area);
        const TilePlan &plan = m_preview.plan();
        const QPointF origin = plan.areaMm.topLeft();
        QFont font = painter.font();
        font.setPointSize(14);
        font.setBold(true);
        painter.setFont(font);
        for (int row = 0; row < plan.rows; ++row) {
            for (int column = 0; column < plan.columns; ++column) {
                const QRectF part = plan.partMm(row, column).translated(-origin);
                const QRectF box(QPointF(1, 1) + part.topLeft() * m_scale, part.size() * m_scale);
                painter.fillRect(box, QColor(0, 90, 200, 28));
                painter.setPen(QPen(QColor(0, 70, 180), 2));
                painter.drawRect(box.adjusted(2, 2, -2, -2));
                painter.drawText(box.adjusted(8, 6, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                                 QString::number(row * plan.columns + column + 1));
            }
        }
    }

private:
    const TilePreview &m_preview;
    QImage m_area;
    double m_scale = 1;
};

TilePreviewWidget::TilePreviewWidget(TilePreview &preview, QWidget *parent)
    : QDialog(parent), m_preview(preview)
{
    setWindowTitle(QStringLiteral("分割印刷のプレビュー"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("印刷範囲が用紙より大きいため、実寸のまま複数の用紙に分けて印刷できます。"),
        this));
    auto *view = new SheetsView(preview, this);
    layout->addWidget(view, 0, Qt::AlignHCenter);
    m_summary = new QLabel(preview.summary(), this);
    auto *overlap = new QDoubleSpinBox(this);
    overlap->setRange(0, 50);
    overlap->setDecimals(0);
    overlap->setSuffix(QStringLiteral(" mm"));
    overlap->setValue(preview.overlapMm());
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("用紙の枚数："), m_summary);
    form->addRow(QStringLiteral("のりしろ（重なり）："), overlap);
    layout->addLayout(form);
    connect(overlap, &QDoubleSpinBox::valueChanged, this, [this, overlap, view](double mm) {
        if (!m_preview.setOverlapMm(mm))
            overlap->setValue(m_preview.overlapMm());
        m_summary->setText(m_preview.summary());
        view->update();
    });

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *tiles =
        buttons->addButton(QStringLiteral("分けて印刷"), QDialogButtonBox::AcceptRole);
    QPushButton *onePage =
        buttons->addButton(QStringLiteral("1 枚に印刷"), QDialogButtonBox::ActionRole);
    QPushButton *cancel =
        buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    tiles->setDefault(true);
    connect(tiles, &QPushButton::clicked, this, [this] { finish(platform::TileChoice::Tiles); });
    connect(onePage, &QPushButton::clicked, this,
            [this] { finish(platform::TileChoice::OnePage); });
    connect(cancel, &QPushButton::clicked, this, [this] { finish(platform::TileChoice::Cancel); });
    layout->addWidget(buttons);
}

void TilePreviewWidget::finish(platform::TileChoice choice)
{
    m_choice = choice;
    done(choice == platform::TileChoice::Cancel ? Rejected : Accepted);
}
