#import "MainWindow.h"

#import "AppDelegate.h"
#import "AppKitNames.h"
#import "AppKitOutlets.h"
#import "AppKitServices.h"
#import "ControlCoderPage.h"
#import "PageLayout.h"
#import "ViewController.h"

static MainWindow* theMainWindow = nil;

@implementation MainWindow

static NSMenuItem* addItem(NSMenu* menu, NSString* title, SEL action, NSString* key, NSEventModifierFlags modifiers)
{
    NSMenuItem* item = [menu addItemWithTitle:title action:action keyEquivalent:key];
    [item setKeyEquivalentModifierMask:modifiers];
    return item;
}

static NSMenu* addSubmenu(NSMenu* mainMenu, NSString* title)
{
    NSMenuItem* item = [mainMenu addItemWithTitle:title action:NULL keyEquivalent:@""];
    NSMenu* submenu = [[[NSMenu alloc] initWithTitle:title] autorelease];
    [mainMenu setSubmenu:submenu forItem:item];
    return submenu;
}

// The standard main menu of a Mac application. Every item but Save goes to
// the first responder: the text field being edited takes the Edit menu's
// commands, the window the Window menu's, the application the rest; Save
// (saveAction:) reaches the application delegate at the end of that chain.
- (void)buildMenu
{
    const NSEventModifierFlags command = NSEventModifierFlagCommand;
    NSMenu* mainMenu = [[[NSMenu alloc] initWithTitle:@"VADEzeravi"] autorelease];

    NSMenu* appMenu = addSubmenu(mainMenu, @"VADEzeravi");
    addItem(appMenu, @"About VADEzeravi", @selector(orderFrontStandardAboutPanel:), @"", 0);
    [appMenu addItem:[NSMenuItem separatorItem]];
    NSMenu* services = [[[NSMenu alloc] initWithTitle:@"Services"] autorelease];
    [appMenu setSubmenu:services forItem:addItem(appMenu, @"Services", NULL, @"", 0)];
    [NSApp setServicesMenu:services];
    [appMenu addItem:[NSMenuItem separatorItem]];
    addItem(appMenu, @"Hide VADEzeravi", @selector(hide:), @"h", command);
    addItem(appMenu, @"Hide Others", @selector(hideOtherApplications:), @"h", command | NSEventModifierFlagOption);
    addItem(appMenu, @"Show All", @selector(unhideAllApplications:), @"", 0);
    [appMenu addItem:[NSMenuItem separatorItem]];
    addItem(appMenu, @"Quit VADEzeravi", @selector(terminate:), @"q", command);

    NSMenu* fileMenu = addSubmenu(mainMenu, @"File");
    addItem(fileMenu, @"Close", @selector(performClose:), @"w", command);
    addItem(fileMenu, @"Save", @selector(saveAction:), @"s", command);

    NSMenu* editMenu = addSubmenu(mainMenu, @"Edit");
    addItem(editMenu, @"Undo", @selector(undo:), @"z", command);
    // An upper-case key equivalent takes Shift: Shift-Command-Z.
    addItem(editMenu, @"Redo", @selector(redo:), @"Z", command);
    [editMenu addItem:[NSMenuItem separatorItem]];
    addItem(editMenu, @"Cut", @selector(cut:), @"x", command);
    addItem(editMenu, @"Copy", @selector(copy:), @"c", command);
    addItem(editMenu, @"Paste", @selector(paste:), @"v", command);
    addItem(editMenu, @"Select All", @selector(selectAll:), @"a", command);

    NSMenu* windowMenu = addSubmenu(mainMenu, @"Window");
    addItem(windowMenu, @"Minimize", @selector(performMiniaturize:), @"m", command);
    addItem(windowMenu, @"Zoom", @selector(performZoom:), @"", 0);
    [windowMenu addItem:[NSMenuItem separatorItem]];
    addItem(windowMenu, @"Bring All to Front", @selector(arrangeInFront:), @"", 0);
    [NSApp setWindowsMenu:windowMenu];

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

    const NSWindowStyleMask style = NSWindowStyleMaskTitled | NSWindowStyleMaskClosable |
                                    NSWindowStyleMaskMiniaturizable | NSWindowStyleMaskResizable;
    const NSRect content = [NSWindow contentRectForFrameRect:NSMakeRect(0, 0, zzWindowWidth, zzWindowHeight)
                                                   styleMask:style];
    window = [[NSWindow alloc] initWithContentRect:content
                                         styleMask:style
                                           backing:NSBackingStoreBuffered
                                             defer:NO];
    [window setTitle:@"VADEzeravi"];
    [window setReleasedWhenClosed:NO];
    [window setDelegate:delegate];
    // Tab follows the pages' own chains of controls.
    [window setAutorecalculatesKeyViewLoop:NO];

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
    [projectPage viewDidAppear];
    [window setInitialFirstResponder:[projectPage outlets]->control(zz::mac::Outlet::projectName)];
    [window center];
    [window makeKeyAndOrderFront:nil];
    // GNUstep has just replaced the page's order of Tab by one of its own.
    [projectPage chainKeyViews];
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
