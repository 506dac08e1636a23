#include "pagefixture.h"

namespace zz::mac::testing {
namespace {

// A real page loads before its view is in the window, so the focus it asks
// for then goes nowhere: the page gives it again each time it is shown.
using CoderFocus = PageFixture;

TEST_F(CoderFocus, ShowingThePageGivesTheControlNameTheFocus)
{
    loadPages();
    // The window opens on the project page, whose name field has the focus.
    outlets.makeFirstResponder(Outlet::projectName);
    coderPage->viewDidAppear();
    EXPECT_EQ(outlets.firstResponder, Outlet::controlName);
}

TEST_F(CoderFocus, ShownAgainThePageKeepsWhatWasTypedAndTakesTheFocusBack)
{
    loadPages();
    coderPage->viewDidAppear();
    outlets.type(Outlet::controlName, "Gain");
    outlets.type(Outlet::controlID, "7");
    outlets.makeFirstResponder(Outlet::controlID);
    // To the project page and back.
    projectPage->viewWillDisappear();
    outlets.makeFirstResponder(Outlet::projectName);
    coderPage->viewDidAppear();

    EXPECT_EQ(outlets.firstResponder, Outlet::controlName);
    EXPECT_EQ(outlets.text(Outlet::controlName), "Gain");
    EXPECT_EQ(outlets.text(Outlet::controlID), "7");
    // Showing the page reads nothing into the working record.
    EXPECT_EQ(coderPage->kontrol().controlName, "Control");
}

}  // namespace
}  // namespace zz::mac::testing
