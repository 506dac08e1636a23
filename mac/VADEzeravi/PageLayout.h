#import <Cocoa/Cocoa.h>

// Small helpers that build the controls of a page in code. Pages are
// flipped views, so every position is measured from the top left corner.

@interface FlippedView : NSView
@end

NSTextField* zzLabel(NSView* page, NSString* title, CGFloat x, CGFloat top, CGFloat width);
NSTextField* zzField(NSView* page, CGFloat x, CGFloat top, CGFloat width);
NSButton* zzPushButton(NSView* page, NSString* title, CGFloat x, CGFloat top, CGFloat width, id target, SEL action);
NSButton* zzCheckBox(NSView* page, NSString* title, CGFloat x, CGFloat top, CGFloat width, id target, SEL action);
NSButton* zzRadio(NSView* page, NSString* title, CGFloat x, CGFloat top, CGFloat width, id target, SEL action);
NSComboBox* zzCombo(NSView* page, CGFloat x, CGFloat top, CGFloat width);
NSBox* zzGroup(NSView* page, NSString* title, CGFloat x, CGFloat top, CGFloat width, CGFloat height);

// The size of the window, which every page gives it again when shown.
extern const CGFloat zzWindowWidth;
extern const CGFloat zzWindowHeight;
// Gives the page's window that size, keeping its origin; nothing happens
// while the page is in no window.
void zzSizeWindow(NSView* page);
