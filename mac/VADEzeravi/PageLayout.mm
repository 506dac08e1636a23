#import "PageLayout.h"

@implementation FlippedView
- (BOOL)isFlipped
{
    return YES;
}
@end

static void place(NSView* page, NSView* control)
{
    [page addSubview:control];
    [control release];
}

NSTextField* zzLabel(NSView* page, NSString* title, CGFloat x, CGFloat top, CGFloat width)
{
    NSTextField* label = [[NSTextField alloc] initWithFrame:NSMakeRect(x, top + 3, width, 17)];
    [label setStringValue:title];
    [label setEditable:NO];
    [label setSelectable:NO];
    [label setBezeled:NO];
    [label setBordered:NO];
    [label setDrawsBackground:NO];
    place(page, label);
    return label;
}

NSTextField* zzField(NSView* page, CGFloat x, CGFloat top, CGFloat width)
{
    NSTextField* field = [[NSTextField alloc] initWithFrame:NSMakeRect(x, top, width, 22)];
    [field setEditable:YES];
    [field setBezeled:YES];
    place(page, field);
    return field;
}

static NSButton* makeButton(NSView* page, NSString* title, NSRect frame, NSButtonType type, id target, SEL action)
{
    NSButton* button = [[NSButton alloc] initWithFrame:frame];
    [button setButtonType:type];
    [button setTitle:title];
    if (type == NSMomentaryPushInButton) [button setBezelStyle:NSRoundedBezelStyle];
    [button setTarget:target];
    [button setAction:action];
    place(page, button);
    return button;
}

NSButton* zzPushButton(NSView* page, NSString* title, CGFloat x, CGFloat top, CGFloat width, id target, SEL action)
{
    return makeButton(page, title, NSMakeRect(x, top, width, 30), NSMomentaryPushInButton, target, action);
}

NSButton* zzCheckBox(NSView* page, NSString* title, CGFloat x, CGFloat top, CGFloat width, id target, SEL action)
{
    return makeButton(page, title, NSMakeRect(x, top, width, 20), NSSwitchButton, target, action);
}

NSButton* zzRadio(NSView* page, NSString* title, CGFloat x, CGFloat top, CGFloat width, id target, SEL action)
{
    return makeButton(page, title, NSMakeRect(x, top, width, 20), NSRadioButton, target, action);
}

NSComboBox* zzCombo(NSView* page, CGFloat x, CGFloat top, CGFloat width)
{
    NSComboBox* combo = [[NSComboBox alloc] initWithFrame:NSMakeRect(x, top, width, 24)];
    [combo setEditable:YES];
    place(page, combo);
    return combo;
}

NSBox* zzGroup(NSView* page, NSString* title, CGFloat x, CGFloat top, CGFloat width, CGFloat height)
{
    NSBox* box = [[NSBox alloc] initWithFrame:NSMakeRect(x, top, width, height)];
    [box setTitle:title];
    place(page, box);
    return box;
}

const CGFloat zzWindowWidth = 870;
const CGFloat zzWindowHeight = 460;

void zzSizeWindow(NSView* page)
{
    NSWindow* window = [page window];
    if (!window) return;
    const NSRect frame = [window frame];
    [window setFrame:NSMakeRect(frame.origin.x, frame.origin.y, zzWindowWidth, zzWindowHeight) display:YES];
}
