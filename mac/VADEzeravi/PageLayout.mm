#import "PageLayout.h"

#import "AppKitNames.h"

@implementation FlippedView
- (BOOL)isFlipped
{
    return YES;
}
@end

const CGFloat zzPageWidth = 850;
const CGFloat zzPageHeight = 384;
const CGFloat zzPageMargin = 20;

const CGFloat zzFieldHeight = 22;
const CGFloat zzButtonHeight = 18;
const CGFloat zzPushHeight = 30;
const CGFloat zzGroupTop = 26;
const CGFloat zzGroupInset = 10;

namespace {

// A combo box is drawn a little taller than a text field on a Mac; it keeps
// the field's row and grows by half the difference up and down.
const CGFloat comboHeight = 26;
const CGFloat labelHeight = 17;
const CGFloat hintHeight = 14;
// From a label's end to its control.
const CGFloat labelGap = 4;

void place(NSView* page, NSView* control)
{
    [page addSubview:control];
    [control release];
}

NSTextField* staticText(NSView* page, NSString* text, NSRect frame)
{
    NSTextField* label = [[NSTextField alloc] initWithFrame:frame];
    [label setStringValue:text];
    [label setEditable:NO];
    [label setSelectable:NO];
    [label setBezeled:NO];
    [label setBordered:NO];
    [label setDrawsBackground:NO];
    place(page, label);
    return label;
}

NSButton* makeButton(NSView* page, NSString* title, NSRect frame, NSButtonType type, id target, SEL action)
{
    NSButton* button = [[NSButton alloc] initWithFrame:frame];
    [button setButtonType:type];
    [button setTitle:title];
    if (type == NSButtonTypeMomentaryPushIn) [button setBezelStyle:NSBezelStyleRounded];
    [button setTarget:target];
    [button setAction:action];
    place(page, button);
    return button;
}

}  // namespace

NSTextField* zzLabel(NSView* page, NSString* title, CGFloat x, CGFloat top, CGFloat width)
{
    NSTextField* label = staticText(page, title, NSMakeRect(x, top + 3, width, labelHeight));
    [label setAlignment:NSTextAlignmentRight];
    return label;
}

NSTextField* zzHint(NSView* page, NSString* text, CGFloat x, CGFloat top, CGFloat width)
{
    NSTextField* hint = staticText(page, text, NSMakeRect(x, top, width, hintHeight));
    [hint setFont:[NSFont systemFontOfSize:[NSFont smallSystemFontSize]]];
    [hint setTextColor:[NSColor secondaryLabelColor]];
    return hint;
}

NSTextField* zzField(NSView* page, CGFloat x, CGFloat top, CGFloat width)
{
    NSTextField* field = [[NSTextField alloc] initWithFrame:NSMakeRect(x, top, width, zzFieldHeight)];
    [field setEditable:YES];
    [field setBezeled:YES];
    place(page, field);
    return field;
}

NSTextField* zzLabeledField(NSView* page, NSString* title, CGFloat labelX, CGFloat x, CGFloat top, CGFloat width)
{
    zzLabel(page, title, labelX, top, x - labelGap - labelX);
    return zzField(page, x, top, width);
}

NSButton* zzPushButton(NSView* page, NSString* title, CGFloat x, CGFloat top, CGFloat width, id target, SEL action)
{
    return makeButton(page, title, NSMakeRect(x, top, width, zzPushHeight), NSButtonTypeMomentaryPushIn, target, action);
}

NSButton* zzCheckBox(NSView* page, NSString* title, CGFloat x, CGFloat top, CGFloat width, id target, SEL action)
{
    return makeButton(page, title, NSMakeRect(x, top, width, zzButtonHeight), NSButtonTypeSwitch, target, action);
}

NSButton* zzRadio(NSView* page, NSString* title, CGFloat x, CGFloat top, CGFloat width, id target, SEL action)
{
    return makeButton(page, title, NSMakeRect(x, top, width, zzButtonHeight), NSButtonTypeRadio, target, action);
}

NSComboBox* zzCombo(NSView* page, CGFloat x, CGFloat top, CGFloat width)
{
    const CGFloat grow = (comboHeight - zzFieldHeight) / 2;
    NSComboBox* combo = [[NSComboBox alloc] initWithFrame:NSMakeRect(x, top - grow, width, comboHeight)];
    [combo setEditable:YES];
    place(page, combo);
    return combo;
}

NSComboBox* zzLabeledCombo(NSView* page, NSString* title, CGFloat labelX, CGFloat x, CGFloat top, CGFloat width)
{
    zzLabel(page, title, labelX, top, x - labelGap - labelX);
    return zzCombo(page, x, top, width);
}

NSBox* zzGroup(NSView* page, NSString* title, CGFloat x, CGFloat top, CGFloat width, CGFloat height)
{
    NSBox* box = [[NSBox alloc] initWithFrame:NSMakeRect(x, top, width, height)];
    [box setTitle:title];
    // Behind the controls it groups, whenever it is made.
    [page addSubview:box positioned:NSWindowBelow relativeTo:nil];
    [box release];
    return box;
}

void zzChainKeyViews(NSArray* views)
{
    const NSUInteger count = [views count];
    for (NSUInteger i = 0; i < count; ++i) {
        [[views objectAtIndex:i] setNextKeyView:[views objectAtIndex:(i + 1) % count]];
    }
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
