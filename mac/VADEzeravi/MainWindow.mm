#import "MainWindow.h"

#import "AppDelegate.h"
#import "AppKitOutlets.h"
#import "AppKitServices.h"
#import "ControlCoderPage.h"
#import "PageLayout.h"
#import "ViewController.h"

static MainWindow* theMainWindow = nil;

@implementation MainWindow

- (void)buildMenu
{
    NSMenu* mainMenu = [[[NSMenu alloc] initWithTitle:@"VADEzeravi"] autorelease];
    NSMenuItem* appItem = [[[NSMenuItem alloc] initWithTitle:@"VADEzeravi" action:NULL keyEquivalent:@""] autorelease];
    NSMenu* appMenu = [[[NSMenu alloc] initWithTitle:@"VADEzeravi"] autorelease];
    [appMenu addItemWithTitle:@"Save" action:@selector(saveAction:) keyEquivalent:@"s"];
    [appMenu addItemWithTitle:@"Quit VADEzeravi" action:@selector(terminate:) keyEquivalent:@"q"];
    [appItem setSubmenu:appMenu];
    [mainMenu addItem:appItem];
    [NSApp setMainMenu:mainMenu];
}

- (id)init
{
    self = [super init];
    if (!self) return nil;

    delegate = [[AppDelegate alloc] init];
    [NSApp setDelegate:delegate];
    [delegate awakeFromNib];
    [self buildMenu];

    window = [[NSWindow alloc] initWithContentRect:NSMakeRect(60, 120, zzWindowWidth, zzWindowHeight)
                                         styleMask:(NSTitledWindowMask | NSClosableWindowMask |
                                                    NSMiniaturizableWindowMask | NSResizableWindowMask)
                                           backing:NSBackingStoreBuffered
                                             defer:NO];
    [window setTitle:@"VADEzeravi"];
    [window setReleasedWhenClosed:NO];
    [window setDelegate:delegate];

    pages = [[NSTabView alloc] initWithFrame:[[window contentView] bounds]];
    [pages setAutoresizingMask:NSViewWidthSizable | NSViewHeightSizable];
    [pages setDelegate:(id)self];

    projectPage = [[ViewController alloc] init];
    coderPage = [[ControlCoderPage alloc] init];
    [coderPage awakeFromNib];

    NSTabViewItem* projectItem = [[[NSTabViewItem alloc] initWithIdentifier:@"project"] autorelease];
    [projectItem setLabel:@"Project"];
    [projectItem setView:[projectPage view]];
    NSTabViewItem* coderItem = [[[NSTabViewItem alloc] initWithIdentifier:@"coder"] autorelease];
    [coderItem setLabel:@"Control Coder"];
    [coderItem setView:[coderPage view]];
    [pages addTabViewItem:projectItem];
    [pages addTabViewItem:coderItem];
    [[window contentView] addSubview:pages];

    AppKitServices::shared().setWindow(window);
    [window makeKeyAndOrderFront:nil];
    [projectPage viewDidAppear];
    // The pages asked for the focus before their views were in the window.
    [projectPage outlets]->makeFirstResponder(zz::mac::Outlet::projectName);
    return self;
}

+ (MainWindow*)loadWindowDescription
{
    if (theMainWindow == nil) theMainWindow = [[MainWindow alloc] init];
    return theMainWindow;
}

- (NSWindow*)window
{
    return window;
}

- (ViewController*)projectPage
{
    return projectPage;
}

- (ControlCoderPage*)coderPage
{
    return coderPage;
}

- (NSViewController*)pageOfItem:(NSTabViewItem*)item
{
    if ([[item identifier] isEqual:@"project"]) return projectPage;
    if ([[item identifier] isEqual:@"coder"]) return coderPage;
    return nil;
}

// The page switcher tells the pages when they are left and shown.
- (void)tabView:(NSTabView*)tabView willSelectTabViewItem:(NSTabViewItem*)item
{
    NSViewController* leaving = [self pageOfItem:[tabView selectedTabViewItem]];
    if (leaving != nil && leaving != [self pageOfItem:item]) [(id)leaving viewWillDisappear];
}

- (void)tabView:(NSTabView*)tabView didSelectTabViewItem:(NSTabViewItem*)item
{
    (void)tabView;
    [(id)[self pageOfItem:item] viewDidAppear];
}

@end
