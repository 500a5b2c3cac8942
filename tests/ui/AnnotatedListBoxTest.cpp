// A list box row with a note: how text and note share the row, at the edges of fitting.
#include <gtest/gtest.h>

#include "ui/AnnotatedListBox.h"

TEST(AnnotatedListBox, TextAndNoteShareTheRowAtItsEdges) {
    const struct {
        const char* que;
        int text, note, row;
        ui::RowSplit split;
    } casos[] = {
        {"both fit, exactly", 100, 60, 168, {100, 108, 60}},
        {"one pixel short: the note keeps its width, under half the row", 100, 60, 167, {99, 107, 60}},
        {"a long note gets half of what is left", 100, 200, 168, {80, 88, 80}},
        {"a short text leaves the note more than half", 30, 200, 168, {30, 38, 130}},
        {"both long: half each", 400, 400, 208, {100, 108, 100}},
        {"no room at all", 50, 50, 5, {0, 8, 0}},
    };
    for (const auto& c : casos) EXPECT_EQ(ui::SplitRow(c.text, c.note, c.row, 8), c.split) << c.que;
}
