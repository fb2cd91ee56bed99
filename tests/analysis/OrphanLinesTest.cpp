// Statement lines that no text block holds get a process block: which rows a
// block holds, and how the added rows are numbered.
#include <gtest/gtest.h>

#include <QList>

#include "analysis/OrphanLines.h"

using namespace vexoria;

namespace {

struct Table {
    std::vector<StatementRow> rows;
    std::vector<int> order;
    int rowCounter = 0;

    void block(const char* kind, const QString& text = {})
    {
        StatementRow r = next();
        r.opensBlock = true;
        r.kind = kind;
        r.text = text;
        push(r);
    }
    void text(const QString& text)
    {
        StatementRow r = next();
        r.text = text;
        push(r);
    }
    void closing(const QString& text)
    {
        StatementRow r = next();
        r.opensBlock = false;
        r.kind = "end";
        r.text = text;
        push(r);
    }
    // "p" for an added procces, "." for every row that was there.
    QString shape() const
    {
        QString s;
        for (int i : order) s += rows[static_cast<std::size_t>(i)].n > 100 ? u'p' : u'.';
        return s;
    }
    QList<int> drawOrders() const
    {
        QList<int> l;
        for (int i : order) l << val(rows[static_cast<std::size_t>(i)].drawOrder);
        return l;
    }

private:
    StatementRow next()
    {
        StatementRow r;
        ++rowCounter;
        r.n = rowCounter;
        r.drawOrder = rowCounter * 2; // gaps, as the numbering walk leaves them
        return r;
    }
    void push(const StatementRow& r)
    {
        rows.push_back(r);
        order.push_back(static_cast<int>(rows.size()) - 1);
    }
};

} // namespace

TEST(OrphanLines, ARunOfUnheldLinesGetsOneProcessBlock)
{
    Table t;
    t.block("try", {});
    t.text("a;");
    t.text("b;");
    t.block("except");
    t.text("c;");
    t.rowCounter = 100;
    scan::holdOrphanLines(t.rows, t.order, t.rowCounter);
    EXPECT_EQ(t.shape(), QStringLiteral(".p...."));
    // The added row takes the nom of the row it stands before; that row and
    // every one after it move up by one.
    EXPECT_EQ(t.drawOrders(), (QList<int>{2, 4, 5, 7, 9, 11}));
    EXPECT_EQ(val(t.rows.back().n), 101);
    EXPECT_EQ(t.rowCounter, 101);
}

TEST(OrphanLines, WhichRowsABlockHolds)
{
    Table t;
    // A var block's lines run past closing rows, up to an empty stroka.
    t.block("var");
    t.text("i: integer;");
    t.closing("end;");
    t.text("j: integer;");
    t.block("while"); // empty stroka: the var's lines end here
    // A begin block's lines end at a closing row.
    t.block("begin");
    t.text("x;");
    t.closing("end;");
    t.text("y;"); // after the closing row: not held
    // Blanks and line breaks alone and comment rows are not statement lines.
    t.block("repeat");
    t.text(QStringLiteral(" \r\n "));
    t.text(QStringLiteral("/ note"));
    // A row of a kind with a text of its own does not end the lines.
    t.block("begin");
    t.block("if", QStringLiteral("case"));
    t.text("z;");
    t.rowCounter = 100;
    scan::holdOrphanLines(t.rows, t.order, t.rowCounter);
    EXPECT_EQ(t.shape(), QStringLiteral("........p......."));
}

TEST(OrphanLines, EveryLineHeldLeavesTheTableAsItWas)
{
    Table t;
    t.block("header");
    t.text("procedure p;");
    t.block("begin");
    t.text("x;");
    t.closing("end;");
    const QList<int> before = t.drawOrders();
    t.rowCounter = 100;
    scan::holdOrphanLines(t.rows, t.order, t.rowCounter);
    EXPECT_EQ(t.shape(), QStringLiteral("....."));
    EXPECT_EQ(t.drawOrders(), before);
    EXPECT_EQ(t.rowCounter, 100);
}
