#import "AppKitServices.h"

#import "AppKitNames.h"
#import "AppKitStrings.h"

#include <cstdlib>

#include "pasteboardtext.h"

// What the sheet's answer is sent to: the page that asked for the sheet.
@protocol ZZSheetDelegate
- (void)alertDidEnd:(NSAlert*)alert returnCode:(NSInteger)returnCode contextInfo:(void*)contextInfo;
@end

namespace {

AppKitServices* installedServices = nullptr;

}  // namespace

AppKitServices& AppKitServices::shared()
{
    if (installedServices == nullptr) installedServices = new AppKitServices;
    return *installedServices;
}

void AppKitServices::install(AppKitServices* services)
{
    installedServices = services;
}

NSAlert* AppKitServices::makeAlert(const zz::mac::Alert& alert) const
{
    NSAlert* panel = [[[NSAlert alloc] init] autorelease];
    [panel setMessageText:zzString(alert.message)];
    [panel setInformativeText:zzString(alert.informative)];
    switch (alert.style) {
    case zz::mac::AlertStyle::warning: [panel setAlertStyle:NSAlertStyleWarning]; break;
    case zz::mac::AlertStyle::informational: [panel setAlertStyle:NSAlertStyleInformational]; break;
    }
    for (const auto& title : alert.buttons) [panel addButtonWithTitle:zzString(title)];
    return panel;
}

int AppKitServices::runModalAlert(const zz::mac::Alert& alert)
{
    return static_cast<int>([makeAlert(alert) runModal]);
}

void AppKitServices::beginSheetAlert(const zz::mac::Alert& alert, std::function<void(int)> done)
{
    pendingSheet_ = std::move(done);
    if (window_ == nil || sheetDelegate_ == nil) {
        sheetEnded(static_cast<int>([makeAlert(alert) runModal]));
        return;
    }
    NSAlert* panel = makeAlert(alert);
#ifdef GNUSTEP
    // GNUstep's runtime has no blocks: the sheet reports to its modal
    // delegate (and runs to its end before this call returns).
    [panel beginSheetModalForWindow:window_
                      modalDelegate:sheetDelegate_
                     didEndSelector:@selector(alertDidEnd:returnCode:contextInfo:)
                        contextInfo:NULL];
#else
    // The answer goes to the page's alertDidEnd:returnCode:contextInfo:, as
    // with the modal delegate of the older call.
    id<ZZSheetDelegate> delegate = sheetDelegate_;
    [panel beginSheetModalForWindow:window_
                  completionHandler:^(NSModalResponse returnCode) {
                      [delegate alertDidEnd:panel returnCode:returnCode contextInfo:NULL];
                  }];
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
    [pasteboard declareTypes:[NSArray arrayWithObject:NSPasteboardTypeString] owner:nil];
    [pasteboard setString:zzString(zz::mac::joinedPasteboardText(pieces)) forType:NSPasteboardTypeString];
#else
    NSMutableArray* items = [NSMutableArray array];
    for (const auto& piece : pieces) [items addObject:zzString(piece)];
    [pasteboard clearContents];
    [pasteboard writeObjects:items];
#endif
}

std::optional<std::string> AppKitServices::chooseFolder()
{
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
