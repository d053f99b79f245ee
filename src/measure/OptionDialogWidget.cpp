// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionDialogWidget.h"

#include "measure/frmOption.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString WidgetName = QStringLiteral("frmOption");

// Focus that leaves or enters with the whole window (the user went to the canvas and back) is
// no focus change inside the dialog: the numbers are checked only when the user moves on.
bool isWindowSwitch(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

QLabel *centredLabel(const QString &text)
{
    auto *label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

OptionDialogWidget::OptionDialogWidget(frmOption &model, QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Tool), m_model(&model)
{
    setObjectName(WidgetName);
    setWindowTitle(QStringLiteral("オプション"));
    buildLayout();
    refresh();
    connect(&model, &frmOption::changed, this, &OptionDialogWidget::refresh);
    connect(&model, &frmOption::focusRequested, this, &OptionDialogWidget::takeFocus);
}

void OptionDialogWidget::buildLayout()
{
    auto *grid = new QGridLayout;
    for (int i = 0; i < int(m_boxes.size()); ++i) {
        m_boxes[i] = new QLineEdit;
        m_boxes[i]->setObjectName(QStringLiteral("txtXY(%1)").arg(i));
        m_boxes[i]->installEventFilter(this);
        connect(m_boxes[i], &QLineEdit::textEdited, this, [this, i](const QString &text) {
            if (m_model)
                m_model->setBoxText(i, text);
        });
    }
    m_unit = new QLabel;
    m_unit->setObjectName(QStringLiteral("lblUnit"));
    // Columns: row label, box, unit, box, unit.
    grid->addWidget(centredLabel(QStringLiteral("X")), 0, 1);
    grid->addWidget(centredLabel(QStringLiteral("Y")), 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("始点")), 1, 0);
    grid->addWidget(m_boxes[0], 1, 1);
    grid->addWidget(m_boxes[1], 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("終点")), 2, 0);
    grid->addWidget(m_boxes[2], 2, 1);
    grid->addWidget(m_boxes[3], 2, 3);
    grid->addWidget(centredLabel(QStringLiteral("画面上")), 3, 1);
    grid->addWidget(centredLabel(QStringLiteral("実寸法")), 3, 3);
    grid->addWidget(new QLabel(QStringLiteral("寸法")), 4, 0);
    grid->addWidget(m_boxes[4], 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("mm")), 4, 2);
    grid->addWidget(m_boxes[5], 4, 3);
    grid->addWidget(m_unit, 4, 4);
    auto *frame = new QGroupBox(QStringLiteral("水平寸法"));
    frame->setLayout(grid);

    m_ratio = new QLabel;
    m_ratio->setObjectName(QStringLiteral("lblRecio"));
    auto *settei = new QPushButton(QStringLiteral("設定"));
    settei->setObjectName(QStringLiteral("cmdSettei"));
    auto *ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    connect(settei, &QPushButton::clicked, this, [this] {
        if (m_model)
            m_model->cmdSettei_Click();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        if (m_model)
            m_model->cmdOK_Click();
    });

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("縮尺 1/")));
    bottom->addWidget(m_ratio);
    bottom->addStretch();
    bottom->addWidget(settei);
    bottom->addWidget(ok);

    m_warning = new QLabel;
    m_warning->setObjectName(QStringLiteral("lblWarning"));
    m_warning->setWordWrap(true);
    m_warning->setStyleSheet(QStringLiteral("color: #b00000"));
    m_warning->hide();

    auto *main = new QVBoxLayout(this);
    main->addWidget(frame);
    main->addLayout(bottom);
    main->addWidget(m_warning);
    m_warning->setFixedWidth(frame->sizeHint().width());
    setFixedSize(sizeHint());
}

void OptionDialogWidget::refresh()
{
    if (!m_model)
        return;
    // Only what differs is written, so the caret of a box being typed in stays where it is.
    for (int i = 0; i < int(m_boxes.size()); ++i) {
        if (m_boxes[i]->text() != m_model->txtXY[i])
            m_boxes[i]->setText(m_model->txtXY[i]);
    }
    m_unit->setText(m_model->lblUnit);
    m_ratio->setText(m_model->lblRecio);
    if (m_warning->text() != m_model->lblWarning) {
        m_warning->setText(m_model->lblWarning);
        m_warning->setVisible(!m_model->lblWarning.isEmpty());
        setFixedSize(sizeHint());
    }
}

void OptionDialogWidget::takeFocus(int index)
{
    // The model has already run the focus events; the boxes see it is theirs and stay quiet.
    m_boxes[index]->setFocus(Qt::OtherFocusReason);
    applySelection(index);
}

void OptionDialogWidget::applySelection(int index)
{
    if (!m_model || m_model->ActiveBox != index)
        return;
    QLineEdit *box = m_boxes[index];
    const int length = std::min<int>(m_model->SelLength, box->text().size() - m_model->SelStart);
    box->setSelection(m_model->SelStart, std::max(0, length));
}

int OptionDialogWidget::boxIndex(const QObject *object) const
{
    for (int i = 0; i < int(m_boxes.size()); ++i) {
        if (m_boxes[i] == object)
            return i;
    }
    return -1;
}

bool OptionDialogWidget::eventFilter(QObject *watched, QEvent *event)
{
    const int index = boxIndex(watched);
    if (index < 0 || !m_model)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (m_model->ActiveBox != index) {
            if (m_model->ActiveBox >= 0)
                m_model->txtXY_LostFocus(m_model->ActiveBox);
            m_model->txtXY_GotFocus(index);
        }
        applySelection(index);
        // A click hands the focus over before the box sees the press, which would put the caret
        // under the pointer and drop the selection: that press only selects.
        m_focusedByPress =
            static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason ? index : -1;
        break;
    case QEvent::FocusOut:
        m_focusedByPress = -1;
        if (!isWindowSwitch(static_cast<QFocusEvent *>(event)->reason())
            && m_model->ActiveBox == index) {
            m_model->txtXY_LostFocus(index);
        }
        break;
    case QEvent::MouseButtonPress:
        if (m_focusedByPress == index) {
            m_focusedByPress = -1;
            return true;
        }
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter)
            && m_model->txtXY_KeyPress(index, frmOption::EnterKey)) {
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void OptionDialogWidget::closeEvent(QCloseEvent *event)
{
    // The title bar's close button unloads like OK; the host then dismisses this window.
    if (m_model)
        m_model->Unload();
    event->accept();
}

void OptionDialogWidget::dismiss()
{
    if (m_model)
        m_model->disconnect(this);
    m_model = nullptr;
    setObjectName(QString());
    hide();
    deleteLater();
}

void hostOptionDialog(QWidget *mainWindow, frmOption *dialog)
{
    auto *shown = mainWindow->findChild<OptionDialogWidget *>(WidgetName,
                                                              Qt::FindDirectChildrenOnly);
    if (shown && shown->model() != dialog) {
        shown->dismiss();
        shown = nullptr;
    }
    if (!dialog)
        return;
    if (!shown)
        shown = new OptionDialogWidget(*dialog, mainWindow);
    shown->show();
    shown->raise();
    shown->activateWindow();
}
