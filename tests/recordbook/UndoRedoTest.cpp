// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Long random runs of the user's own commands, entered where the window enters them, with undo
// and redo mixed in: every undo and redo must bring back, byte for byte, what a save wrote at that
// point, and the book counts as changed exactly when it differs from the last save.
#include "OpenSample.h"
#include "annotations/LabelEvents.h"
#include "measure/PointerEvents.h"
#include "app/RecordBookCommands.h"
#include "measure/frmOption.h"

#include <gtest/gtest.h>

#include <QFile>

#include <functional>
#include <optional>
#include <random>
#include <sstream>

namespace {

constexpr int Left = 1;
constexpr int Right = 2;
using Rng = std::mt19937;

float between(Rng &rng, float low, float high)
{
    return std::uniform_real_distribution<float>(low, high)(rng);
}

int below(Rng &rng, int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(rng);
}

void ensureChecked(OpenSample &book, const char *item)
{
    if (!book.form.menus[QLatin1String(item)].checked)
        book.run(item);
}

void keepDimension(OpenSample &book, Rng &rng)
{
    book.run("mnuToolMes");
    ensureChecked(book, "popMesPutSen");
    const float x1 = between(rng, 20, 150), y1 = between(rng, 20, 150);
    const float x2 = between(rng, 20, 150), y2 = between(rng, 20, 150);
    pictMap_MouseDown(book.form.measuring, Left, x1, y1);
    pictMap_MouseUp(book.form.measuring, Left, x1, y1);
    pictMap_MouseMove(book.form.measuring, 0, x2, y2);
    pictMap_MouseDown(book.form.measuring, Left, x2, y2);
    pictMap_MouseUp(book.form.measuring, Left, x2, y2);
}

void dragLabel(OpenSample &book, Rng &rng, LabelKind kind)
{
    auto &labels = kind == LabelKind::Dimension ? book.form.annotations.lblKyori
                                                : book.form.annotations.lblMoji;
    const int first = kind == LabelKind::Dimension ? 0 : 1;
    const int last = kind == LabelKind::Dimension ? book.form.annotations.dimensionCount() - 1
                                                  : labels.UBound();
    if (last < first)
        return;
    book.run(kind == LabelKind::Dimension ? "mnuToolMes" : "mnuToolCmnt");
    const int k = first + below(rng, last - first + 1);
    const float x = labels[k].Left + 1, y = labels[k].Top + 1;
    const float dx = between(rng, -30, 30), dy = between(rng, -30, 30);
    labelMouseDown(book.form.editing, kind, k, Left, x, y);
    labelMouseMove(book.form.editing, kind, k, Left, x + dx / 2, y + dy / 2);
    labelMouseMove(book.form.editing, kind, k, Left, x + dx, y + dy);
}

void placeText(OpenSample &book, Rng &rng)
{
    book.run("mnuToolCmnt");
    book.run("popMojiNew");
    const float x = between(rng, 10, 180), y = between(rng, 10, 180);
    pictMap_MouseDown(book.form.measuring, Left, x, y);
    pictMap_MouseUp(book.form.measuring, Left, x, y);
}

void captionText(OpenSample &book, Rng &rng)
{
    const int last = book.form.annotations.lblMoji.UBound();
    if (last < 1)
        return;
    book.run("mnuToolCmnt");
    book.platform.textAnswers = {QStringLiteral("鯛 %1").arg(below(rng, 100)),
                                 QStringLiteral("comment %1").arg(below(rng, 100))};
    labelDblClick(book.form.editing, LabelKind::Text, 1 + below(rng, last));
}

void commentDimension(OpenSample &book, Rng &rng)
{
    if (book.form.annotations.dimensionCount() < 1)
        return;
    book.platform.textAnswers = {QStringLiteral("尾叉長 %1").arg(below(rng, 100))};
    const int k = below(rng, book.form.annotations.dimensionCount());
    labelDblClick(book.form.editing, LabelKind::Dimension, k);
}

// Draws a new leader line; a short one is a slip and is not kept.
void drawLeader(OpenSample &book, Rng &rng)
{
    book.run("mnuToolLine");
    book.run("popHkdSenNew");
    const float x1 = between(rng, 20, 150), y1 = between(rng, 20, 150);
    const float length = below(rng, 4) == 0 ? 1.0f : between(rng, 5, 40);
    pictMap_MouseDown(book.form.measuring, Left, x1, y1);
    pictMap_MouseMove(book.form.measuring, Left, x1 + length / 2, y1);
    pictMap_MouseMove(book.form.measuring, Left, x1 + length, y1 + 1);
    pictMap_MouseUp(book.form.measuring, Left, x1 + length, y1 + 1);
}

void dragLeader(OpenSample &book, Rng &rng)
{
    const auto &leaders = book.form.annotations.lineHikidashi;
    if (leaders.UBound() < 1)
        return;
    book.run("mnuToolLine");
    book.run("popHkdSenSelect");
    const AnnotationLine &line = leaders[below(rng, leaders.UBound())];
    const float x = (line.X1 + line.X2) / 2, y = (line.Y1 + line.Y2) / 2;
    const float dx = between(rng, -20, 20), dy = between(rng, -20, 20);
    pictMap_MouseDown(book.form.measuring, Left, x, y);
    pictMap_MouseMove(book.form.measuring, Left, x + dx, y + dy);
    pictMap_MouseUp(book.form.measuring, Left, x + dx, y + dy);
}

// A right-click on an object and a choice in its edit pop-up.
void editObject(OpenSample &book, Rng &rng)
{
    static const char *const looks[] = {"popEditWidth(3)", "popEditStyle2", "popBackStyle0",
                                        "popBorderStyle1", "popEditForColor",
                                        "popEditBackColor", "popEditBorderColor", "popEditDel"};
    QString choice = QLatin1String(looks[below(rng, std::size(looks))]);
    book.platform.colorAnswers = {rgb(below(rng, 256), 0, 128)};
    AnnotationStore &store = book.form.annotations;
    const int kind = below(rng, 3);
    if (kind == 0 && store.dimensionCount() > 0) {
        if (below(rng, 3) == 0)
            choice = QStringLiteral("popEditRev");
        book.run("mnuToolMes");
        const int k = below(rng, store.dimensionCount());
        book.platform.popupChoices = {choice};
        labelMouseDown(book.form.editing, LabelKind::Dimension, k, Right,
                       store.lblKyori[k].Left + 1, store.lblKyori[k].Top + 1);
    } else if (kind == 1 && store.lblMoji.UBound() > 0) {
        if (below(rng, 3) == 0)
            choice = QStringLiteral("popEditDpp");
        book.run("mnuToolCmnt");
        const int k = 1 + below(rng, store.lblMoji.UBound());
        book.platform.popupChoices = {choice};
        labelMouseDown(book.form.editing, LabelKind::Text, k, Right, store.lblMoji[k].Left + 1,
                       store.lblMoji[k].Top + 1);
    } else if (kind == 2 && store.lineHikidashi.UBound() > 0) {
        if (below(rng, 3) == 0)
            choice = QStringLiteral("popEditDpp");
        book.run("mnuToolLine");
        book.run("popHkdSenSelect");
        const AnnotationLine &line = store.lineHikidashi[below(rng, store.lineHikidashi.UBound())];
        book.platform.popupChoices = {choice};
        pictMap_MouseDown(book.form.measuring, Right, (line.X1 + line.X2) / 2,
                          (line.Y1 + line.Y2) / 2);
    }
    book.platform.popupChoices.clear();
}

// The option dialog opened, one thing done in it, and closed with OK.
void inOptionDialog(OpenSample &book, const std::function<void(frmOption &)> &use)
{
    book.run("mnuToolOpt");
    use(*book.form.optionDialog);
    book.form.optionDialog->cmdOK_Click();
    book.run("mnuToolMes");
}

void drawReferenceLine(OpenSample &book, Rng &rng)
{
    inOptionDialog(book, [&](frmOption &) {
        const float x = between(rng, 20, 100), y = between(rng, 20, 100);
        pictMap_MouseDown(book.form.measuring, Left, x, y);
        pictMap_MouseUp(book.form.measuring, Left, x, y);
        pictMap_MouseMove(book.form.measuring, 0, x + 30, y + 2);
        pictMap_MouseMove(book.form.measuring, 0, x + 60, y + 3);
        pictMap_MouseDown(book.form.measuring, Left, x + 60, y + 3);
        pictMap_MouseUp(book.form.measuring, Left, x + 60, y + 3);
    });
}

void typeReferencePoint(OpenSample &book, Rng &rng)
{
    inOptionDialog(book, [&](frmOption &dialog) {
        dialog.setBoxText(0, QString::number(below(rng, 50) + 10));
        dialog.txtXY_LostFocus(0);
    });
}

void setRealLength(OpenSample &book, Rng &rng)
{
    inOptionDialog(book, [&](frmOption &dialog) {
        dialog.setBoxText(5, QString::number(below(rng, 300) + 50));
        dialog.cmdSettei_Click();
    });
}

void choosePaper(OpenSample &book, Rng &rng)
{
    book.platform.listAnswers = {below(rng, 4) == 0 ? std::optional<int>() : below(rng, 13)};
    book.run("mnuSize");
}

void dragPrintArea(OpenSample &book, Rng &rng)
{
    book.run("mnuPrintEria");
    const float x = between(rng, 5, 60), y = between(rng, 5, 60);
    const float x2 = x + between(rng, 20, 120), y2 = y + between(rng, 20, 120);
    pictMap_MouseDown(book.form.measuring, Left, x, y);
    pictMap_MouseMove(book.form.measuring, Left, x2, y2);
    pictMap_MouseUp(book.form.measuring, Left, x2, y2);
    book.run("mnuToolMes");
}

struct Action
{
    const char *name;
    std::function<void(OpenSample &, Rng &)> run;
};

const std::vector<Action> &actions()
{
    static const std::vector<Action> all = {
        {"keep a dimension", keepDimension},
        {"drag a dimension label",
         [](OpenSample &b, Rng &r) { dragLabel(b, r, LabelKind::Dimension); }},
        {"drag a text label",
         [](OpenSample &b, Rng &r) { dragLabel(b, r, LabelKind::Text); }},
        {"place a text label", placeText},
        {"caption a text label", captionText},
        {"comment a dimension", commentDimension},
        {"draw a leader line", drawLeader},
        {"drag a leader line", dragLeader},
        {"edit an object", editObject},
        {"draw a reference line", drawReferenceLine},
        {"type a reference point", typeReferencePoint},
        {"set the real length", setRealLength},
        {"choose a paper", choosePaper},
        {"drag the print area", dragPrintArea},
        {"extension lines 5 mm", [](OpenSample &b, Rng &) { b.run("popMesHj05"); }},
        {"clear the dimensions", [](OpenSample &b, Rng &) { b.run("popMesObjDel"); }},
        {"clear the leader lines", [](OpenSample &b, Rng &) { b.run("popHkdSenAllClr"); }},
        {"clear the text labels", [](OpenSample &b, Rng &) { b.run("popMojiAllClr"); }},
    };
    return all;
}

std::vector<unsigned> seeds()
{
    if (const QByteArray chosen = qgetenv("UNDO_SEED"); !chosen.isEmpty())
        return {chosen.toUInt()};
    return {1, 2, 3};
}

} // namespace

TEST(UndoRedo, RandomRunsComeBackByteForByte)
{
    constexpr int Steps = 80;
    constexpr std::size_t NotInHistory = ~std::size_t(0);
    for (const unsigned seed : seeds()) {
        OpenSample book;
        Rng rng(seed);
        std::vector<QByteArray> states{book.image()}; // the model: every state, in order
        std::size_t at = 0;                          // the state the book should be in
        std::size_t saved = 0;
        std::ostringstream trail;
        trail << "UNDO_SEED=" << seed << ":";
        for (int step = 0; step < Steps; ++step) {
            const int roll = below(rng, 10);
            if (roll < 2 && at > 0) {
                trail << " undo";
                book.run("mnuEditUndo");
                --at;
            } else if (roll < 3 && at + 1 < states.size()) {
                trail << " redo";
                book.run("mnuEditRedo");
                ++at;
            } else if (roll == 3) {
                trail << " save";
                book.run("mnuFileSavePrj");
                saved = at;
            } else {
                const Action &action = actions()[below(rng, int(actions().size()))];
                trail << " [" << action.name << "]";
                const std::size_t stepsBefore = book.form.document.history().undoCount();
                action.run(book, rng);
                const QByteArray now = book.image();
                const bool changed = now != states[at];
                const bool stepped = book.form.document.history().undoCount() > stepsBefore;
                ASSERT_EQ(stepped, changed) << trail.str();
                if (changed) {
                    if (saved > at)
                        saved = NotInHistory; // the redo steps go, the saved state with them
                    states.resize(at + 1);
                    states.push_back(now);
                    ++at;
                }
            }
            ASSERT_EQ(book.image(), states[at]) << trail.str();
            ASSERT_EQ(book.form.document.history().undoCount(), at) << trail.str();
            ASSERT_EQ(book.form.document.isModified(), at != saved) << trail.str();
            ASSERT_EQ(book.form.menus[QStringLiteral("mnuEditRedo")].enabled,
                      at + 1 < states.size())
                << trail.str();
            QString why;
            ASSERT_TRUE(book.form.annotations.invariantsHold(&why))
                << why.toStdString() << "\n" << trail.str();
        }
        ASSERT_GT(states.size(), std::size_t(10)) << "the run hardly changed the book\n"
                                                  << trail.str();
        // All the way back, then all the way forward again.
        while (at > 0) {
            book.run("mnuEditUndo");
            ASSERT_EQ(book.image(), states[--at]) << trail.str() << " (undo to " << at << ")";
        }
        EXPECT_FALSE(book.form.menus[QStringLiteral("mnuEditUndo")].enabled);
        while (at + 1 < states.size()) {
            book.run("mnuEditRedo");
            ASSERT_EQ(book.image(), states[++at]) << trail.str() << " (redo to " << at << ")";
        }
    }
}

// A step taken at 100 % and undone at another zoom: the book comes back exactly as the zoom alone
// would have left it, and a save then writes the same bytes as for a book never changed.
TEST(UndoRedo, UndoAtAnotherZoomComesBackAsTheZoomAloneWouldHaveLeftIt)
{
    for (const char *zoom : {"mnuDisp50", "mnuDisp200", "mnuDisp100"}) {
        OpenSample changed;
        OpenSample untouched;
        Rng rng(7);
        dragLabel(changed, rng, LabelKind::Dimension);
        changed.run("popHkdSenAllClr");
        changed.run(zoom);
        untouched.run(zoom);
        changed.run("mnuEditUndo");
        changed.run("mnuEditUndo");
        EXPECT_TRUE(changed.form.annotations == untouched.form.annotations) << zoom;
        EXPECT_EQ(changed.image(), untouched.image()) << zoom;
        EXPECT_FALSE(changed.form.document.isModified()) << zoom;
        changed.run("mnuFileSavePrj");
        untouched.run("mnuFileSavePrj");
        for (const char *file :
             {"catch.ini", "catch_Text.Bin", "catch_Line.Bin", "catch_Shape.Bin"}) {
            QFile a(changed.folder.filePath(QLatin1String(file)));
            QFile b(untouched.folder.filePath(QLatin1String(file)));
            ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            EXPECT_EQ(a.readAll(), b.readAll()) << zoom << " " << file;
        }
    }
}

// Undo in the middle of a drag ends the drag, as it ends a stroke: the moves that follow with the
// button still held move nothing, make no step and leave the redo in place.
TEST(UndoRedo, UndoMidDragEndsTheDrag)
{
    // The press, then the pointer at x with the button held.
    using Drag = std::function<void(OpenSample &, std::optional<float> x)>;
    const auto labelDrag = [](LabelKind kind, int index) -> Drag {
        return [kind, index](OpenSample &book, std::optional<float> x) {
            const auto &labels = kind == LabelKind::Dimension ? book.form.annotations.lblKyori
                                                              : book.form.annotations.lblMoji;
            const float y = labels[index].Top + 1;
            if (x)
                labelMouseMove(book.form.editing, kind, index, Left, *x, y);
            else
                labelMouseDown(book.form.editing, kind, index, Left, labels[index].Left + 1, y);
        };
    };
    const Drag printArea = [](OpenSample &book, std::optional<float> x) {
        if (x)
            pictMap_MouseMove(book.form.measuring, Left, *x, 120);
        else
            pictMap_MouseDown(book.form.measuring, Left, 20, 20);
    };
    const struct
    {
        const char *name;
        const char *tool;
        Drag drag;
    } rows[] = {
        {"dimension label", "mnuToolMes", labelDrag(LabelKind::Dimension, 0)},
        {"text label", "mnuToolCmnt", labelDrag(LabelKind::Text, 2)},
        {"print area", "mnuPrintEria", printArea},
    };
    for (const auto &row : rows) {
        OpenSample book;
        book.run(row.tool);
        const QByteArray before = book.image();
        row.drag(book, std::nullopt);
        row.drag(book, 150);
        const QByteArray dragged = book.image();
        ASSERT_NE(dragged, before) << row.name;

        book.run("mnuEditUndo");
        row.drag(book, 170);
        row.drag(book, 190);
        EXPECT_EQ(book.image(), before) << row.name;
        EXPECT_TRUE(book.form.menus[QStringLiteral("mnuEditRedo")].enabled) << row.name;
        book.run("mnuEditRedo");
        EXPECT_EQ(book.image(), dragged) << row.name;
    }
}
