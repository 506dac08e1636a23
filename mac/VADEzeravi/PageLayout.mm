#import "PageLayout.h"

#import <objc/runtime.h>

#import "AppKitNames.h"
#import "AppKitOutlets.h"

using zz::mac::Outlet;

@implementation FlippedView
- (BOOL)isFlipped
{
    return YES;
}
@end

const CGFloat zzPageWidth = 850;
const CGFloat zzPageHeight = 384;
const CGFloat zzPageMargin = 20;

namespace {

const CGFloat fieldHeight = 22;   // text fields
const CGFloat buttonHeight = 18;  // check boxes and radio buttons
const CGFloat pushHeight = 30;    // push buttons
// A pop-up button is drawn a little taller than a text field on a Mac; it
// keeps the field's row and grows by half the difference up and down.
const CGFloat popUpHeight = 26;
const CGFloat labelHeight = 17;
const CGFloat hintHeight = 14;
// From a row's top to its label's, and from a label's end to its control.
const CGFloat labelDrop = 3;
const CGFloat labelGap = 4;

const Outlet noOutlet = Outlet::count;

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

NSTextField* label(NSView* page, NSString* text, NSRect frame)
{
    NSTextField* label = staticText(page, text, frame);
    [label setAlignment:NSTextAlignmentRight];
    return label;
}

// The label in front of a row's control.
void labelFor(NSView* page, const LayoutRow& row)
{
    label(page, row.title, NSMakeRect(row.labelX, row.y + labelDrop, row.x - labelGap - row.labelX, labelHeight));
}

NSTextField* field(NSView* page, const LayoutRow& row)
{
    labelFor(page, row);
    NSTextField* field = [[NSTextField alloc] initWithFrame:NSMakeRect(row.x, row.y, row.width, fieldHeight)];
    [field setEditable:YES];
    [field setBezeled:YES];
    place(page, field);
    return field;
}

NSButton* button(NSView* page, const LayoutRow& row, NSButtonType type, CGFloat height)
{
    NSButton* button = [[NSButton alloc] initWithFrame:NSMakeRect(row.x, row.y, row.width, height)];
    [button setButtonType:type];
    [button setTitle:row.title];
    if (type == NSButtonTypeMomentaryPushIn) [button setBezelStyle:NSBezelStyleRounded];
    place(page, button);
    return button;
}

// Selection only: a person chooses one of its items and types nothing.
NSPopUpButton* popUp(NSView* page, const LayoutRow& row)
{
    labelFor(page, row);
    const CGFloat grow = (popUpHeight - fieldHeight) / 2;
    NSPopUpButton* list = [[NSPopUpButton alloc] initWithFrame:NSMakeRect(row.x, row.y - grow, row.width, popUpHeight)
                                                     pullsDown:NO];
    place(page, list);
    return list;
}

NSBox* group(NSView* page, const LayoutRow& row)
{
    NSBox* box = [[NSBox alloc] initWithFrame:NSMakeRect(row.x, row.y, row.width, row.height)];
    [box setTitle:row.title];
    // Behind the controls it groups, whenever it is made.
    [page addSubview:box positioned:NSWindowBelow relativeTo:nil];
    [box release];
    return box;
}

// The text view is the control; the scroll view around it is its enclosingScrollView.
NSTextView* comment(NSView* page, const LayoutRow& row)
{
    NSScrollView* scroll = [[NSScrollView alloc] initWithFrame:NSMakeRect(row.x, row.y, row.width, row.height)];
    [scroll setHasVerticalScroller:YES];
    [scroll setBorderType:NSBezelBorder];
    const NSSize contentSize = [scroll contentSize];
    NSTextView* text = [[NSTextView alloc] initWithFrame:NSMakeRect(0, 0, contentSize.width, contentSize.height)];
    [text setRichText:NO];
    [text setVerticallyResizable:YES];
    [text setHorizontallyResizable:NO];
    [text setAutoresizingMask:NSViewWidthSizable];
    [scroll setDocumentView:text];
    [text release];
    place(page, scroll);
    return text;
}

// The control of a row, added to the page; nil for what takes no focus and
// has no outlet.
id build(NSView* page, const LayoutRow& row)
{
    switch (row.kind) {
    case LayoutKind::label: return label(page, row.title, NSMakeRect(row.x, row.y, row.width, labelHeight));
    case LayoutKind::caption: return staticText(page, row.title, NSMakeRect(row.x, row.y, row.width, labelHeight));
    case LayoutKind::hint: {
        NSTextField* hint = staticText(page, row.title, NSMakeRect(row.x, row.y, row.width, hintHeight));
        [hint setFont:[NSFont systemFontOfSize:[NSFont smallSystemFontSize]]];
        [hint setTextColor:[NSColor secondaryLabelColor]];
        return hint;
    }
    case LayoutKind::field: return field(page, row);
    case LayoutKind::shownField: {
        NSTextField* shown = field(page, row);
        [shown setEditable:NO];
        [shown setSelectable:YES];
        return shown;
    }
    case LayoutKind::popUp: return popUp(page, row);
    case LayoutKind::checkBox: return button(page, row, NSButtonTypeSwitch, buttonHeight);
    case LayoutKind::radio: return button(page, row, NSButtonTypeRadio, buttonHeight);
    case LayoutKind::push: return button(page, row, NSButtonTypeMomentaryPushIn, pushHeight);
    case LayoutKind::group: return group(page, row);
    case LayoutKind::comment: return comment(page, row);
    }
    return nil;
}

bool takesFocus(LayoutKind kind)
{
    switch (kind) {
    case LayoutKind::label:
    case LayoutKind::caption:
    case LayoutKind::hint:
    case LayoutKind::group: return false;
    default: return true;
    }
}

LayoutRow row(LayoutKind kind, Outlet outlet, NSString* title, CGFloat x, CGFloat y, CGFloat width)
{
    LayoutRow r{kind, outlet, title, x, y, width};
    return r;
}

}  // namespace

namespace zzlayout {

LayoutRow label(NSString* text, CGFloat x, CGFloat y, CGFloat width)
{
    return row(LayoutKind::label, noOutlet, text, x, y, width);
}

LayoutRow caption(NSString* text, CGFloat x, CGFloat y, CGFloat width)
{
    return row(LayoutKind::caption, noOutlet, text, x, y, width);
}

LayoutRow hint(NSString* text, CGFloat x, CGFloat y, CGFloat width)
{
    return row(LayoutKind::hint, noOutlet, text, x, y, width);
}

LayoutRow field(Outlet outlet, NSString* label, CGFloat labelX, CGFloat x, CGFloat y, CGFloat width,
                const char* action)
{
    LayoutRow r = row(LayoutKind::field, outlet, label, x, y, width);
    r.labelX = labelX;
    r.action = action;
    return r;
}

LayoutRow shownField(Outlet outlet, NSString* label, CGFloat labelX, CGFloat x, CGFloat y, CGFloat width)
{
    LayoutRow r = field(outlet, label, labelX, x, y, width);
    r.kind = LayoutKind::shownField;
    return r;
}

LayoutRow popUp(Outlet outlet, NSString* label, CGFloat labelX, CGFloat x, CGFloat y, CGFloat width)
{
    LayoutRow r = field(outlet, label, labelX, x, y, width);
    r.kind = LayoutKind::popUp;
    return r;
}

LayoutRow checkBox(Outlet outlet, NSString* title, CGFloat x, CGFloat y, CGFloat width)
{
    return row(LayoutKind::checkBox, outlet, title, x, y, width);
}

LayoutRow radio(Outlet outlet, NSString* title, CGFloat x, CGFloat y, CGFloat width, const char* action)
{
    LayoutRow r = row(LayoutKind::radio, outlet, title, x, y, width);
    r.action = action;
    return r;
}

LayoutRow push(NSString* title, CGFloat x, CGFloat y, CGFloat width, const char* action, Outlet outlet)
{
    LayoutRow r = row(LayoutKind::push, outlet, title, x, y, width);
    r.action = action;
    return r;
}

LayoutRow group(NSString* title, CGFloat x, CGFloat y, CGFloat width, CGFloat height)
{
    LayoutRow r = row(LayoutKind::group, noOutlet, title, x, y, width);
    r.height = height;
    return r;
}

LayoutRow comment(Outlet outlet, CGFloat x, CGFloat y, CGFloat width, CGFloat height)
{
    LayoutRow r = row(LayoutKind::comment, outlet, nil, x, y, width);
    r.height = height;
    return r;
}

}  // namespace zzlayout

NSView* zzBuildPage(const std::vector<LayoutRow>& rows, id owner, AppKitOutlets* outlets, Outlet first, Outlet end,
                    NSArray** keyViews)
{
    NSView* page = [[[FlippedView alloc] initWithFrame:NSMakeRect(0, 0, zzPageWidth, zzPageHeight)] autorelease];
    NSMutableArray* focusable = [NSMutableArray array];
    for (const LayoutRow& row : rows) {
        id control = build(page, row);
        if (row.action) {
            [control setTarget:owner];
            [control setAction:NSSelectorFromString([NSString stringWithUTF8String:row.action])];
            // A text field sends its action when its editing ends.
            if (row.kind == LayoutKind::field) [[control cell] setSendsActionOnEndEditing:YES];
        }
        if (takesFocus(row.kind)) [focusable addObject:control];
        if (row.outlet == noOutlet) continue;
        const char* name = zz::mac::outletName(row.outlet);
        Ivar variable = class_getInstanceVariable([owner class], name);
        if (variable == NULL) {
            [NSException raise:NSInternalInconsistencyException
                        format:@"%@ has no outlet %s", NSStringFromClass([owner class]), name];
        }
        object_setIvar(owner, variable, control);
        outlets->connect(row.outlet, control);
    }
    for (int i = static_cast<int>(first); i < static_cast<int>(end); ++i) {
        const Outlet outlet = static_cast<Outlet>(i);
        if (outlets->control(outlet) == nil) {
            [NSException raise:NSInternalInconsistencyException
                        format:@"the layout of %@ has no row for %s", NSStringFromClass([owner class]),
                               zz::mac::outletName(outlet)];
        }
    }
    *keyViews = [focusable copy];
    return page;
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
