// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/AnnotationCollection.h"

#include <gtest/gtest.h>

namespace {

AnnotationLine line(float x, const QString &tag)
{
    AnnotationLine l;
    l.Tag = tag;
    l.X1 = x;
    l.Y1 = x + 1;
    l.X2 = x + 2;
    l.Y2 = x + 3;
    l.BorderColor = rgb(int(x), 0, 0);
    l.BorderStyle = BorderDash;
    l.BorderWidth = 5;
    return l;
}

using Lines = AnnotationCollection<AnnotationLine>;

TEST(AnnotationCollection, CreatesOnlyOnTopAsHiddenCopyOfElement0AsItIsNow)
{
    Lines lines(CollectionPolicy::SpareOnTop, line(1, "first"));
    lines[0].Visible = true;
    EXPECT_FALSE(lines.CreateElement(2));
    EXPECT_FALSE(lines.CreateElement(0));
    ASSERT_TRUE(lines.CreateElement(1));
    lines[0].Tag = "changed";
    ASSERT_TRUE(lines.CreateElement(2));

    EXPECT_EQ(lines.UBound(), 2);
    EXPECT_FALSE(lines[1].Visible);
    EXPECT_EQ(lines[1].Tag, "first");
    EXPECT_EQ(lines[2].Tag, "changed");
    EXPECT_EQ(lines[2].BorderWidth, 5);
}

TEST(AnnotationCollection, DestroysOnlyTheTopAndNeverElement0)
{
    Lines lines(CollectionPolicy::SpareOnTop, line(1, "a"));
    EXPECT_FALSE(lines.DestroyElement(0));
    lines.CreateElement(1);
    lines.CreateElement(2);
    EXPECT_FALSE(lines.DestroyElement(1));
    EXPECT_TRUE(lines.DestroyElement(2));
    EXPECT_TRUE(lines.DestroyElement(1));
    EXPECT_EQ(lines.UBound(), 0);
}

TEST(AnnotationCollection, AppendFillsSpareAndPutsSolidThinSpareOnTop)
{
    Lines lines(CollectionPolicy::SpareOnTop, AnnotationLine{});
    EXPECT_EQ(lines.AppendToSpare(line(10, "a")), 0);
    EXPECT_EQ(lines.AppendToSpare(line(20, "b")), 1);

    EXPECT_TRUE(lines[0].Visible);
    EXPECT_TRUE(lines[1].Visible);
    EXPECT_EQ(lines[1].X1, 20);
    EXPECT_EQ(lines[1].BorderWidth, 5);
    ASSERT_EQ(lines.UBound(), 2);
    EXPECT_FALSE(lines[2].Visible);
    EXPECT_EQ(lines[2].BorderStyle, BorderSolid);
    EXPECT_EQ(lines[2].BorderWidth, 1);
    EXPECT_EQ(lines[2].Tag, "a"); // a copy of element 0, which is the first object
}

TEST(AnnotationCollection, RefusesPastSignedSixteenBitIndexWithoutChange)
{
    Lines lines(CollectionPolicy::SpareOnTop, AnnotationLine{});
    for (int n = 1; n <= Lines::MaxIndex; ++n)
        ASSERT_TRUE(lines.CreateElement(n));
    const AnnotationLine spareBefore = lines.spare();

    EXPECT_FALSE(lines.CreateElement(Lines::MaxIndex + 1));
    EXPECT_FALSE(lines.AppendToSpare(line(3, "too many")));
    EXPECT_EQ(lines.UBound(), Lines::MaxIndex);
    EXPECT_EQ(lines.spare(), spareBefore);
}

TEST(AnnotationCollection, RemovingTheSpareOrTheTemplateKeepsTheShape)
{
    Lines spare(CollectionPolicy::SpareOnTop, AnnotationLine{});
    spare.AppendToSpare(line(10, "a"));
    spare[1].Visible = true; // a leader line being drawn on the spare
    spare.RemoveAt(1);
    EXPECT_EQ(spare.UBound(), 1);
    EXPECT_TRUE(spare[0].Visible);
    EXPECT_FALSE(spare[1].Visible);

    Lines templ(CollectionPolicy::TemplateAtZero, line(1, "template"));
    templ.CreateElement(1);
    templ[1] = line(2, "object");
    templ[1].Visible = true;
    templ.RemoveAt(0);
    templ.RemoveAt(5);
    templ.RemoveAt(-1);
    EXPECT_EQ(templ.UBound(), 1);
    EXPECT_EQ(templ[0].Tag, "template");
    templ.RemoveAt(1);
    EXPECT_EQ(templ.UBound(), 0);
    EXPECT_EQ(templ[0].Tag, "template");
}

} // namespace
