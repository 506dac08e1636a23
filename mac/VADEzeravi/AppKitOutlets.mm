#import "AppKitOutlets.h"

#import "AppKitNames.h"
#import "AppKitStrings.h"
#import "CustomTextFieldFormatter.h"
#ifdef GNUSTEP
#import "GNUstepEditFilter.h"
#endif

#include <climits>

using zz::mac::Outlet;

AppKitOutlets::AppKitOutlets()
{
    for (auto& control : controls_) control = nil;
#ifdef GNUSTEP
    editFilter_ = [[GNUstepEditFilter alloc] init];
#endif
}

AppKitOutlets::~AppKitOutlets()
{
    for (auto& entry : formatters_) [entry.second release];
#ifdef GNUSTEP
    [editFilter_ release];
#endif
}

void AppKitOutlets::connect(Outlet outlet, id control)
{
    controls_[static_cast<int>(outlet)] = control;
}

id AppKitOutlets::control(Outlet outlet) const
{
    return controls_[static_cast<int>(outlet)];
}

bool AppKitOutlets::outletOf(id control, Outlet* outlet) const
{
    for (int i = 0; i < zz::mac::kOutletCount; ++i) {
        if (controls_[i] != nil && controls_[i] == control) {
            if (outlet) *outlet = static_cast<Outlet>(i);
            return true;
        }
    }
    return false;
}

std::string AppKitOutlets::text(Outlet outlet) const
{
    id c = control(outlet);
    if (c == nil) return {};
    if ([c isKindOfClass:[NSTextView class]]) return zzStdString([(NSTextView*)c string]);
    if ([c isKindOfClass:[NSPopUpButton class]]) return zzStdString([(NSPopUpButton*)c titleOfSelectedItem]);
    return zzStdString([c stringValue]);
}

void AppKitOutlets::setText(Outlet outlet, const std::string& text)
{
    id c = control(outlet);
    if (c == nil) return;
    if ([c isKindOfClass:[NSTextView class]]) [(NSTextView*)c setString:zzString(text)];
    else if ([c isKindOfClass:[NSPopUpButton class]]) [(NSPopUpButton*)c selectItemWithTitle:zzString(text)];
    else [c setStringValue:zzString(text)];
}

bool AppKitOutlets::isOn(Outlet outlet) const
{
    id c = control(outlet);
    return c != nil && [(NSButton*)c state] != NSControlStateValueOff;
}

void AppKitOutlets::setOn(Outlet outlet, bool on)
{
    [(NSButton*)control(outlet) setState:on ? NSControlStateValueOn : NSControlStateValueOff];
}

bool AppKitOutlets::isEnabled(Outlet outlet) const
{
    id c = control(outlet);
    return c != nil && [(NSControl*)c isEnabled];
}

void AppKitOutlets::setEnabled(Outlet outlet, bool enabled)
{
    [(NSControl*)control(outlet) setEnabled:enabled ? YES : NO];
}

int AppKitOutlets::selectedIndex(Outlet outlet) const
{
    id c = control(outlet);
    if (c == nil) return -1;
    const NSInteger index = [(NSPopUpButton*)c indexOfSelectedItem];
    return index < 0 || index > INT_MAX ? -1 : static_cast<int>(index);
}

void AppKitOutlets::selectIndex(Outlet outlet, int index)
{
    NSPopUpButton* list = (NSPopUpButton*)control(outlet);
    if (list == nil || index < 0 || index >= [list numberOfItems]) return;
    [list selectItemAtIndex:index];
}

void AppKitOutlets::addItems(Outlet outlet, const std::vector<std::string>& items)
{
    NSMutableArray* titles = [NSMutableArray array];
    for (const auto& item : items) [titles addObject:zzString(item)];
    [(NSPopUpButton*)control(outlet) addItemsWithTitles:titles];
}

void AppKitOutlets::attachFormatter(Outlet outlet, std::shared_ptr<const zz::mac::FormatterRule> rule)
{
    NSTextField* field = (NSTextField*)control(outlet);
    if (field == nil || !rule) return;
    CustomTextFieldFormatter*& formatter = formatters_[rule.get()];
    if (formatter == nil) {
        formatter = [[CustomTextFieldFormatter alloc] init];
        [formatter setMaximumLength:rule->maxLength];
        [formatter setNumericOnly:rule->numericOnly ? YES : NO];
        [formatter setSingleLine:rule->singleLine ? YES : NO];
    }
    [field setFormatter:formatter];
#ifdef GNUSTEP
    [field setDelegate:(id)editFilter_];
#endif
}

void AppKitOutlets::makeFirstResponder(Outlet outlet)
{
    id c = control(outlet);
    NSWindow* window = [c window];
    if (window) [window makeFirstResponder:c];
}

void AppKitOutlets::applyRadioGroup(id sender)
{
    Outlet outlet;
    if (!outletOf(sender, &outlet)) return;
    if ([(NSButton*)sender state] == NSControlStateValueOff) return;
    for (Outlet member : zz::mac::radioGroupOf(outlet)) {
        if (member != outlet) setOn(member, false);
    }
}
