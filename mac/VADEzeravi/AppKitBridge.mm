#import "AppKitBridge.h"

#import "CustomTextFieldFormatter.h"

#include <cstdlib>

#include "pasteboardtext.h"

using zz::mac::Outlet;

NSString* zzString(const std::string& text)
{
    NSString* string = [[[NSString alloc] initWithBytes:text.data()
                                                 length:text.size()
                                               encoding:NSUTF8StringEncoding] autorelease];
    return string ? string : @"";
}

std::string zzStdString(NSString* text)
{
    if (text == nil) return {};
    const char* utf8 = [text UTF8String];
    return utf8 ? std::string(utf8) : std::string();
}

// GNUstep never asks a formatter about a partial edit and keeps a refused
// one, so the filtered fields get this delegate, which puts back the last
// accepted text (or the upper-case form) after an edit the formatter refuses.
@interface EditFilterShim : NSObject {
    NSMutableDictionary* accepted;
}
@end

@implementation EditFilterShim

- (id)init
{
    self = [super init];
    if (self) accepted = [[NSMutableDictionary alloc] init];
    return self;
}

- (void)dealloc
{
    [accepted release];
    [super dealloc];
}

- (NSValue*)keyFor:(id)field
{
    return [NSValue valueWithPointer:field];
}

- (void)controlTextDidBeginEditing:(NSNotification*)notification
{
    NSTextField* field = [notification object];
    [accepted setObject:[[[field stringValue] copy] autorelease] forKey:[self keyFor:field]];
}

- (void)controlTextDidChange:(NSNotification*)notification
{
    NSTextField* field = [notification object];
    NSText* editor = [[notification userInfo] objectForKey:@"NSFieldEditor"];
    if (editor == nil) editor = [field currentEditor];
    id formatter = [field formatter];
    if (editor == nil || ![formatter isKindOfClass:[CustomTextFieldFormatter class]]) return;
    NSString* proposed = [[[editor string] copy] autorelease];
    NSString* replacement = nil;
    if ([(CustomTextFieldFormatter*)formatter acceptsProposedString:proposed replacement:&replacement]) {
        [accepted setObject:proposed forKey:[self keyFor:field]];
        return;
    }
    NSString* previous = replacement;
    if (previous == nil) previous = [accepted objectForKey:[self keyFor:field]];
    if (previous == nil) previous = @"";
    [editor setString:previous];
    [editor setSelectedRange:NSMakeRange([previous length], 0)];
    if (replacement) [accepted setObject:replacement forKey:[self keyFor:field]];
}

@end

AppKitOutlets::AppKitOutlets()
{
    for (auto& control : controls_) control = nil;
    filterShim_ = [[EditFilterShim alloc] init];
}

AppKitOutlets::~AppKitOutlets()
{
    for (auto& entry : formatters_) [entry.second release];
    [filterShim_ release];
}

void AppKitOutlets::connect(Outlet outlet, id control)
{
    controls_[static_cast<int>(outlet)] = control;
}

void AppKitOutlets::connectNamed(id owner, Outlet first, Outlet end)
{
    for (int i = static_cast<int>(first); i < static_cast<int>(end); ++i) {
        const Outlet outlet = static_cast<Outlet>(i);
        connect(outlet, [owner valueForKey:[NSString stringWithUTF8String:zz::mac::outletName(outlet)]]);
    }
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
    return zzStdString([c stringValue]);
}

void AppKitOutlets::setText(Outlet outlet, const std::string& text)
{
    id c = control(outlet);
    if (c == nil) return;
    if ([c isKindOfClass:[NSTextView class]]) [(NSTextView*)c setString:zzString(text)];
    else [c setStringValue:zzString(text)];
}

bool AppKitOutlets::isOn(Outlet outlet) const
{
    id c = control(outlet);
    return c != nil && [(NSButton*)c state] != NSOffState;
}

void AppKitOutlets::setOn(Outlet outlet, bool on)
{
    [(NSButton*)control(outlet) setState:on ? NSOnState : NSOffState];
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
    const NSInteger index = [(NSComboBox*)c indexOfSelectedItem];
    return index < 0 || index > INT_MAX ? -1 : static_cast<int>(index);
}

void AppKitOutlets::selectIndex(Outlet outlet, int index)
{
    NSComboBox* combo = (NSComboBox*)control(outlet);
    if (combo == nil || index < 0 || index >= [combo numberOfItems]) return;
    [combo selectItemAtIndex:index];
#ifdef GNUSTEP
    // GNUstep leaves the shown text alone when an item is selected in code.
    [combo setStringValue:[[combo itemObjectValueAtIndex:index] description]];
#endif
}

void AppKitOutlets::addItems(Outlet outlet, const std::vector<std::string>& items)
{
    NSMutableArray* values = [NSMutableArray array];
    for (const auto& item : items) [values addObject:zzString(item)];
    [(NSComboBox*)control(outlet) addItemsWithObjectValues:values];
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
    }
    [field setFormatter:formatter];
#ifdef GNUSTEP
    [field setDelegate:(id)filterShim_];
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
    if ([(NSButton*)sender state] == NSOffState) return;
    for (Outlet member : zz::mac::radioGroupOf(outlet)) {
        if (member != outlet) setOn(member, false);
    }
}

AppKitServices& AppKitServices::shared()
{
    static AppKitServices* services = new AppKitServices;
    return *services;
}

NSAlert* AppKitServices::makeAlert(const zz::mac::Alert& alert) const
{
    NSAlert* panel = [[[NSAlert alloc] init] autorelease];
    [panel setMessageText:zzString(alert.message)];
    [panel setInformativeText:zzString(alert.informative)];
    switch (alert.style) {
    case zz::AlertStyle::warning: [panel setAlertStyle:NSWarningAlertStyle]; break;
    case zz::AlertStyle::informational: [panel setAlertStyle:NSInformationalAlertStyle]; break;
    }
    for (const auto& title : alert.buttons) [panel addButtonWithTitle:zzString(title)];
    return panel;
}

int AppKitServices::scriptedAnswer(const zz::mac::Alert& alert)
{
    int answer = zz::mac::kAlertFirstButtonReturn;
    if (!person_->answers.empty()) {
        answer = person_->answers.front();
        person_->answers.pop_front();
    }
    if (person_->note) {
        person_->note("alert: " + alert.message + " | " + alert.informative + " -> " + std::to_string(answer));
    }
    return answer;
}

int AppKitServices::runModalAlert(const zz::mac::Alert& alert)
{
    if (person_ && !person_->realAlerts) return scriptedAnswer(alert);
    return static_cast<int>([makeAlert(alert) runModal]);
}

void AppKitServices::beginSheetAlert(const zz::mac::Alert& alert, std::function<void(int)> done)
{
    pendingSheet_ = std::move(done);
    if (person_ && !person_->realAlerts) {
        sheetEnded(scriptedAnswer(alert));
        return;
    }
    if (window_ == nil || sheetDelegate_ == nil) {
        sheetEnded(static_cast<int>([makeAlert(alert) runModal]));
        return;
    }
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wdeprecated-declarations"
#endif
    [makeAlert(alert) beginSheetModalForWindow:window_
                                 modalDelegate:sheetDelegate_
                                didEndSelector:@selector(alertDidEnd:returnCode:contextInfo:)
                                   contextInfo:NULL];
#if defined(__clang__)
#pragma clang diagnostic pop
#endif
}

void AppKitServices::sheetEnded(int returnCode)
{
    std::function<void(int)> done = std::move(pendingSheet_);
    pendingSheet_ = nullptr;
    if (done) done(returnCode);
}

void AppKitServices::writePasteboard(const std::vector<std::string>& pieces)
{
    NSPasteboard* pasteboard = [NSPasteboard generalPasteboard];
#ifdef GNUSTEP
    // GNUstep's pasteboard has no clearContents and holds one string item.
    [pasteboard declareTypes:[NSArray arrayWithObject:NSStringPboardType] owner:nil];
    [pasteboard setString:zzString(zz::mac::joinedPasteboardText(pieces)) forType:NSStringPboardType];
#else
    NSMutableArray* items = [NSMutableArray array];
    for (const auto& piece : pieces) [items addObject:zzString(piece)];
    [pasteboard clearContents];
    [pasteboard writeObjects:items];
#endif
}

std::optional<std::string> AppKitServices::chooseFolder()
{
    if (person_) {
        if (person_->folders.empty()) return std::nullopt;
        std::string folder = person_->folders.front();
        person_->folders.pop_front();
        return folder;
    }
    NSOpenPanel* panel = [NSOpenPanel openPanel];
    [panel setCanChooseDirectories:YES];
    [panel setCanChooseFiles:NO];
    if ([panel runModal] != NSModalResponseOK) return std::nullopt;
    NSArray* urls = [panel URLs];
    if ([urls count] == 0) return std::nullopt;
    return zzStdString([[urls objectAtIndex:0] path]);
}

void AppKitServices::log(const std::string& line)
{
    NSLog(@"%@", zzString(line));
}

void AppKitServices::exitProcess(int status)
{
    if (person_ && person_->note) person_->note("exit: " + std::to_string(status));
    exit(status);
}

std::string AppKitServices::bundlePath() const
{
    return zzStdString([[NSBundle mainBundle] bundlePath]);
}

std::string AppKitServices::resourcePath(const std::string& name) const
{
    return zzStdString([[NSBundle mainBundle] pathForResource:zzString(name) ofType:@""]);
}

std::string AppKitServices::applicationSupportFolder() const
{
    NSArray* folders = NSSearchPathForDirectoriesInDomains(NSApplicationSupportDirectory, NSUserDomainMask, YES);
    return [folders count] > 0 ? zzStdString([folders objectAtIndex:0]) : std::string();
}
