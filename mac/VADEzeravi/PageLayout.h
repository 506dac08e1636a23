#import <Cocoa/Cocoa.h>

// Small helpers that build the controls of a page in code. Pages are
// flipped views, so every position is measured from the top left corner.
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

// A label in front of a control, its text ending at the control.
NSTextField* zzLabel(NSView* page, NSString* title, CGFloat x, CGFloat top, CGFloat width);
// A line of explanatory text under a row, in the small system font.
NSTextField* zzHint(NSView* page, NSString* text, CGFloat x, CGFloat top, CGFloat width);
NSTextField* zzField(NSView* page, CGFloat x, CGFloat top, CGFloat width);
// A text field or combo box at `x` with its label in front, from `labelX` up
// to the label's gap before the control.
NSTextField* zzLabeledField(NSView* page, NSString* title, CGFloat labelX, CGFloat x, CGFloat top, CGFloat width);
NSComboBox* zzLabeledCombo(NSView* page, NSString* title, CGFloat labelX, CGFloat x, CGFloat top, CGFloat width);
NSButton* zzPushButton(NSView* page, NSString* title, CGFloat x, CGFloat top, CGFloat width, id target, SEL action);
NSButton* zzCheckBox(NSView* page, NSString* title, CGFloat x, CGFloat top, CGFloat width, id target, SEL action);
NSButton* zzRadio(NSView* page, NSString* title, CGFloat x, CGFloat top, CGFloat width, id target, SEL action);
NSComboBox* zzCombo(NSView* page, CGFloat x, CGFloat top, CGFloat width);
NSBox* zzGroup(NSView* page, NSString* title, CGFloat x, CGFloat top, CGFloat width, CGFloat height);

// Heights and offsets of the builders, for laying out rows.
extern const CGFloat zzFieldHeight;   // text fields and combo boxes
extern const CGFloat zzButtonHeight;  // check boxes and radio buttons
extern const CGFloat zzPushHeight;    // push buttons
extern const CGFloat zzGroupTop;      // from a group's top to its first row
extern const CGFloat zzGroupInset;    // from a group's sides to its rows

// Tab and Shift-Tab walk `views` in this order, and from the last back to
// the first.
void zzChainKeyViews(NSArray* views);

// The size of the window, which every page gives it again when shown.
extern const CGFloat zzWindowWidth;
extern const CGFloat zzWindowHeight;
// Gives the page's window that size, keeping its origin; nothing happens
// while the page is in no window.
void zzSizeWindow(NSView* page);
