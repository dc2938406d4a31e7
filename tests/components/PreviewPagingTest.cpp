#include "TestSupport.h"

#include "components/PreviewPaging.h"

using namespace PreviewPaging;

TEST(PreviewPaging, PageTextHasALeadingBlank)
{
    EXPECT_EQ(PageText(1, 1), QStringLiteral(" Page 1 of 1"));
    EXPECT_EQ(PageText(12, 130), QStringLiteral(" Page 12 of 130"));
}

TEST(PreviewPaging, ZoomStepsStayBetweenTenAndTwoHundred)
{
    struct Case {
        double from;
        bool in;
        double to;
    };
    const Case cases[] = {
        {85, true, 95},  {195, true, 200}, {200, true, 200}, {85, false, 75},
        {15, false, 10}, {10, false, 10},  {5, false, 10},   {120, false, 110},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.in ? ZoomIn(c.from, 10) : ZoomOut(c.from, 10), c.to) << c.from << (c.in ? " in" : " out");
    EXPECT_EQ(ClampZoom(250), 200);
}

TEST(PreviewPaging, VerticalKeysScrollAndTurnPagesAtTheEdges)
{
    using K = VerticalKey;
    using P = Target::Place;
    const Scroll top{0, 900, 20, 300};
    const Scroll middle{450, 900, 20, 300};
    const Scroll bottom{900, 900, 20, 300};
    const Scroll nearTop{10, 900, 20, 300};
    const Scroll fits{0, 0, 20, 300};   // the whole page is in view
    struct Case {
        const char* what;
        K key;
        int page, pages;
        Scroll scroll;
        Target expected;
    };
    const Case cases[] = {
        {"down in the page", K::Down, 2, 3, middle, {2, P::Value, 470}},
        {"down at the bottom of page 2 of 3", K::Down, 2, 3, bottom, {3, P::Top, 0}},
        {"down at the bottom of the last page", K::Down, 3, 3, bottom, {3, P::Value, 900}},
        {"up at the top of page 3", K::Up, 3, 3, top, {2, P::Bottom, 0}},
        {"up at the top of page 1", K::Up, 1, 3, top, {1, P::Value, 0}},
        {"up stops at the top", K::Up, 2, 3, nearTop, {2, P::Value, 0}},
        {"page down in the page", K::PageDown, 1, 3, middle, {1, P::Value, 750}},
        {"page down stops at the bottom", K::PageDown, 1, 3, Scroll{800, 900, 20, 300}, {1, P::Value, 900}},
        {"page down at the bottom", K::PageDown, 1, 3, bottom, {2, P::Top, 0}},
        {"page down on the last page", K::PageDown, 3, 3, middle, {3, P::Value, 750}},
        {"page up at the top of page 2", K::PageUp, 2, 3, top, {1, P::Bottom, 0}},
        {"page up in the page", K::PageUp, 2, 3, middle, {2, P::Value, 150}},
        {"page up not above the top", K::PageUp, 2, 3, nearTop, {2, P::Value, 0}},
        {"down on a page that fits", K::Down, 1, 2, fits, {2, P::Top, 0}},
        {"up on a page that fits", K::Up, 2, 2, fits, {1, P::Bottom, 0}},
        {"home", K::Home, 2, 3, middle, {2, P::Value, 0}},
        {"end", K::End, 2, 3, middle, {2, P::Value, 900}},
    };
    for (const Case& c : cases) {
        const Target got = MoveVertically(c.key, c.page, c.pages, c.scroll);
        EXPECT_EQ(got, c.expected) << c.what << ": page " << got.page << " place " << int(got.place) << " value "
                                   << got.value;
    }
}
