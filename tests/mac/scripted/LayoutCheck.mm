#import "LayoutCheck.h"

#import "AppKitStrings.h"
#import "PageLayout.h"

#include <cstdio>

namespace {

// How much wider a Mac sets the same text.
constexpr CGFloat kWider = 1.15;
// What a control needs besides its text.
constexpr CGFloat kLabelPadding = 4;      // a label's cell
constexpr CGFloat kFieldPadding = 8;      // a bezeled field's insets
constexpr CGFloat kPopUpArrows = 22;      // a pop-up button's arrows
constexpr CGFloat kToggleImage = 22;      // a check box's or radio button's mark and gap
constexpr CGFloat kPushPadding = 24;      // a push button's rounded ends
// How far a group box's title and border reach into it.
constexpr CGFloat kBoxTitle = 18;
constexpr CGFloat kBoxBorder = 4;

std::string rectText(NSRect r)
{
    char text[96];
    std::snprintf(text, sizeof text, "(%g,%g %gx%g)", r.origin.x, r.origin.y, r.size.width, r.size.height);
    return text;
}

CGFloat macWidth(NSFont* font, NSString* text)
{
    return [font widthOfString:text ? text : @""] * kWider;
}

void checkFit(id control, const std::string& name, std::vector<std::string>& problems)
{
    const CGFloat width = [control frame].size.width;
    auto need = [&](NSString* text, CGFloat needed) {
        if (needed > width) {
            char amount[64];
            std::snprintf(amount, sizeof amount, " needs %.0f of %.0f", needed, width);
            problems.push_back(name + ": \"" + zzStdString(text) + "\"" + amount);
        }
    };
    if ([control isKindOfClass:[NSPopUpButton class]]) {
        NSPopUpButton* list = control;
        for (NSInteger i = 0; i < [list numberOfItems]; ++i) {
            NSString* item = [list itemTitleAtIndex:i];
            need(item, macWidth([list font], item) + kFieldPadding + kPopUpArrows);
        }
    } else if ([control isKindOfClass:[NSTextField class]]) {
        NSTextField* field = control;
        const CGFloat padding = [field isBezeled] ? kFieldPadding : kLabelPadding;
        need([field stringValue], macWidth([field font], [field stringValue]) + padding);
    } else if ([control isKindOfClass:[NSButton class]]) {
        NSButton* button = control;
        const CGFloat padding = [button image] != nil ? kToggleImage : kPushPadding;
        need([button title], macWidth([button font], [button title]) + padding);
    } else if ([control isKindOfClass:[NSBox class]]) {
        NSBox* box = control;
        need([box title], macWidth([box titleFont], [box title]) + 2 * kPushPadding);
    }
}

bool inside(NSRect inner, NSRect frame)
{
    return NSMinX(frame) >= NSMinX(inner) && NSMinY(frame) >= NSMinY(inner) && NSMaxX(frame) <= NSMaxX(inner) &&
           NSMaxY(frame) <= NSMaxY(inner);
}

}  // namespace

std::vector<std::string> layoutProblems(NSView* page, const std::function<std::string(id)>& nameOf)
{
    std::vector<std::string> problems;
    const NSRect bounds = [page bounds];
    if (bounds.size.width < zzPageWidth || bounds.size.height < zzPageHeight) {
        problems.push_back("the page is " + rectText(bounds) + ", smaller than it was laid out for");
    }
    const CGFloat m = zzPageMargin;
    const NSRect margins = NSMakeRect(m, m, zzPageWidth - 2 * m, zzPageHeight - 2 * m);

    NSMutableArray* boxes = [NSMutableArray array];
    NSMutableArray* controls = [NSMutableArray array];
    NSArray* subviews = [page subviews];
    for (NSUInteger i = 0; i < [subviews count]; ++i) {
        id view = [subviews objectAtIndex:i];
        [([view isKindOfClass:[NSBox class]] ? boxes : controls) addObject:view];
    }

    for (NSUInteger i = 0; i < [boxes count]; ++i) {
        NSBox* box = [boxes objectAtIndex:i];
        const std::string name = "box \"" + zzStdString([box title]) + "\"";
        if (!inside(margins, [box frame])) problems.push_back(name + " outside the margins " + rectText([box frame]));
        checkFit(box, name, problems);
        for (NSUInteger j = i + 1; j < [boxes count]; ++j) {
            NSBox* other = [boxes objectAtIndex:j];
            if (NSIntersectsRect([box frame], [other frame])) {
                problems.push_back(name + " overlaps box \"" + zzStdString([other title]) + "\"");
            }
        }
    }
    for (NSUInteger i = 0; i < [controls count]; ++i) {
        id control = [controls objectAtIndex:i];
        const NSRect frame = [control frame];
        const std::string name = nameOf(control);
        if (!inside(margins, frame)) problems.push_back(name + " outside the margins " + rectText(frame));
        checkFit(control, name, problems);
        for (NSUInteger j = i + 1; j < [controls count]; ++j) {
            id other = [controls objectAtIndex:j];
            if (NSIntersectsRect(frame, [other frame])) {
                problems.push_back(name + " " + rectText(frame) + " overlaps " + nameOf(other) + " " +
                                   rectText([other frame]));
            }
        }
        for (NSUInteger j = 0; j < [boxes count]; ++j) {
            NSBox* box = [boxes objectAtIndex:j];
            const NSRect b = [box frame];
            const NSRect content = NSMakeRect(NSMinX(b) + kBoxBorder, NSMinY(b) + kBoxTitle,
                                              NSWidth(b) - 2 * kBoxBorder, NSHeight(b) - kBoxTitle - kBoxBorder);
            if (NSIntersectsRect(frame, b) && !inside(content, frame)) {
                problems.push_back(name + " " + rectText(frame) + " crosses the edge of box \"" +
                                   zzStdString([box title]) + "\" " + rectText(b));
            }
        }
    }
    return problems;
}
