#import <Cocoa/Cocoa.h>

#include <vector>

#include "outlets.h"

class AppKitOutlets;

// The pages are built in code from layout tables: one row per control. Pages
// are flipped views, so every position is measured from the top left corner.
//
// A page is laid out for a view of zzPageWidth by zzPageHeight points: what
// the tab view of an 870 by 460 point window leaves on a Mac once the title
// bar (28 points) and the tab view's tabs and insets are taken off. Every
// control keeps zzPageMargin points from the page's edges, and controls are
// sized for the system font of a Mac, which sets text about 15% wider than
// GNUstep's.

@interface FlippedView : NSView
@end

extern const CGFloat zzPageWidth;
extern const CGFloat zzPageHeight;
extern const CGFloat zzPageMargin;

// What a row of a layout table makes.
enum class LayoutKind {
    label,       // static text, its end at the right of its frame
    caption,     // static text from the left of its frame
    hint,        // a line of explanatory text, in the small system font
    field,       // a text field, with its label in front
    shownField,  // a text field that shows a value: selectable, not editable
    popUp,       // a pop-up button (a list to choose from), with its label in front
    checkBox,
    radio,
    push,        // a command button
    group,       // a titled box behind the controls it frames
    comment,     // a text view in a scroll view with a vertical scroller
};

// One control of a page. `y` is the top of the control's row: a label starts
// 3 points lower, a pop-up button, drawn taller than a field, reaches 2
// points higher. A control with a title in front of it (a field or a pop-up) has
// its label from `labelX` up to the label's gap before the control. Heights
// come from the kind, but for a group box and the comment editor.
struct LayoutRow {
    LayoutKind kind;
    zz::mac::Outlet outlet;  // Outlet::count: none (labels, hints, boxes, commands)
    NSString* title;         // the label's, button's or box's text
    CGFloat x, y, width;
    CGFloat labelX = 0;
    CGFloat height = 0;
    const char* action = nullptr;  // sent to the page
};

// The rows of a table by kind.
namespace zzlayout {
LayoutRow label(NSString* text, CGFloat x, CGFloat y, CGFloat width);
LayoutRow caption(NSString* text, CGFloat x, CGFloat y, CGFloat width);
LayoutRow hint(NSString* text, CGFloat x, CGFloat y, CGFloat width);
LayoutRow field(zz::mac::Outlet outlet, NSString* label, CGFloat labelX, CGFloat x, CGFloat y, CGFloat width,
                const char* action = nullptr);
LayoutRow shownField(zz::mac::Outlet outlet, NSString* label, CGFloat labelX, CGFloat x, CGFloat y, CGFloat width);
LayoutRow popUp(zz::mac::Outlet outlet, NSString* label, CGFloat labelX, CGFloat x, CGFloat y, CGFloat width);
LayoutRow checkBox(zz::mac::Outlet outlet, NSString* title, CGFloat x, CGFloat y, CGFloat width);
LayoutRow radio(zz::mac::Outlet outlet, NSString* title, CGFloat x, CGFloat y, CGFloat width, const char* action);
// A command button; the few that are outlets name theirs.
LayoutRow push(NSString* title, CGFloat x, CGFloat y, CGFloat width, const char* action,
               zz::mac::Outlet outlet = zz::mac::Outlet::count);
LayoutRow group(NSString* title, CGFloat x, CGFloat y, CGFloat width, CGFloat height);
LayoutRow comment(zz::mac::Outlet outlet, CGFloat x, CGFloat y, CGFloat width, CGFloat height);
}  // namespace zzlayout

// Builds a page from its table, the controls in the order of the rows (group
// boxes behind the rest). Each control with an outlet is connected in
// `outlets` and put into `owner`'s instance variable of the outlet's name;
// every action goes to `owner`. Answers the page's view (autoreleased) and,
// in `keyViews` (retained), the controls that take the focus in the order of
// the rows: the order of Tab. Stops with an exception when an outlet from
// `first` up to `end` (not included) has no row or `owner` no variable of
// its name.
NSView* zzBuildPage(const std::vector<LayoutRow>& rows, id owner, AppKitOutlets* outlets, zz::mac::Outlet first,
                    zz::mac::Outlet end, NSArray** keyViews);

// Tab and Shift-Tab walk `views` in this order, and from the last back to
// the first.
void zzChainKeyViews(NSArray* views);

// The size of the window, which every page gives it again when shown.
extern const CGFloat zzWindowWidth;
extern const CGFloat zzWindowHeight;
// Gives the page's window that size, keeping its origin; nothing happens
// while the page is in no window.
void zzSizeWindow(NSView* page);
