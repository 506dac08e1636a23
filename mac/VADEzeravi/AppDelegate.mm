#import "AppDelegate.h"

#if !ZZ_HAVE_CORE_DATA

@implementation NSManagedObjectContext

- (id)init
{
    self = [super init];
    if (self) undoManager = [[NSUndoManager alloc] init];
    return self;
}

- (void)dealloc
{
    [undoManager release];
    [super dealloc];
}

- (BOOL)commitEditing
{
    return YES;
}

- (BOOL)hasChanges
{
    return NO;
}

- (BOOL)save:(NSError**)error
{
    if (error) *error = nil;
    return YES;
}

- (NSUndoManager*)undoManager
{
    return undoManager;
}

@end

@implementation NSPersistentContainer

- (id)initWithName:(NSString*)containerName
{
    self = [super init];
    if (self) {
        name = [containerName copy];
        viewContext = [[NSManagedObjectContext alloc] init];
    }
    return self;
}

- (void)dealloc
{
    [name release];
    [viewContext release];
    [super dealloc];
}

- (NSManagedObjectContext*)viewContext
{
    return viewContext;
}

@end

#endif

@implementation AppDelegate

- (void)dealloc
{
    [persistentContainer release];
    [super dealloc];
}

- (void)applicationDidFinishLaunching:(NSNotification*)aNotification
{
    (void)aNotification;
}

- (void)applicationWillTerminate:(NSNotification*)aNotification
{
    (void)aNotification;
}

- (void)awakeFromNib
{
}

- (BOOL)applicationShouldTerminateAfterLastWindowClosed:(NSApplication*)sender
{
    (void)sender;
    return YES;
}

- (NSPersistentContainer*)persistentContainer
{
    @synchronized(self) {
        if (persistentContainer == nil) {
#if ZZ_HAVE_CORE_DATA
            // No page keeps anything in the store, so an empty model serves.
            NSManagedObjectModel* model = [[[NSManagedObjectModel alloc] init] autorelease];
            persistentContainer = [[NSPersistentContainer alloc] initWithName:@"VADEzeravi" managedObjectModel:model];
            [persistentContainer loadPersistentStoresWithCompletionHandler:^(
                                     NSPersistentStoreDescription* storeDescription, NSError* error) {
                (void)storeDescription;
                if (error != nil) {
                    NSLog(@"Unresolved error %@, %@", error, error.userInfo);
                    abort();
                }
            }];
#else
            persistentContainer = [[NSPersistentContainer alloc] initWithName:@"VADEzeravi"];
#endif
        }
    }
    return persistentContainer;
}

- (IBAction)saveAction:(id)sender
{
    (void)sender;
    NSManagedObjectContext* context = [[self persistentContainer] viewContext];
    if (![context commitEditing]) {
        NSLog(@"%@:%@ unable to commit editing before saving", [self class], NSStringFromSelector(_cmd));
    }
    NSError* error = nil;
    if ([context hasChanges] && ![context save:&error]) {
        [[NSApplication sharedApplication] presentError:error];
    }
}

- (NSUndoManager*)windowWillReturnUndoManager:(NSWindow*)window
{
    (void)window;
    return [[[self persistentContainer] viewContext] undoManager];
}

- (NSSize)windowWillResize:(NSWindow*)sender toSize:(NSSize)frameSize
{
    (void)sender;
    return frameSize;
}

- (NSApplicationTerminateReply)applicationShouldTerminate:(NSApplication*)sender
{
    NSManagedObjectContext* context = [[self persistentContainer] viewContext];

    if (![context commitEditing]) {
        NSLog(@"%@:%@ unable to commit editing to terminate", [self class], NSStringFromSelector(_cmd));
        return NSTerminateCancel;
    }
    if (![context hasChanges]) return NSTerminateNow;

    NSError* error = nil;
    if (![context save:&error]) {
        if ([sender presentError:error]) return NSTerminateCancel;

        NSString* question = NSLocalizedString(@"Could not save changes while quitting. Quit anyway?", @"");
        NSString* info = NSLocalizedString(
            @"Quitting now will lose any changes you have made since the last successful save", @"");
        NSString* quitButton = NSLocalizedString(@"Quit anyway", @"");
        NSString* cancelButton = NSLocalizedString(@"Cancel", @"");
        NSAlert* alert = [[[NSAlert alloc] init] autorelease];
        [alert setMessageText:question];
        [alert setInformativeText:info];
        [alert addButtonWithTitle:quitButton];
        [alert addButtonWithTitle:cancelButton];
        if ([alert runModal] == NSAlertSecondButtonReturn) return NSTerminateCancel;
    }
    return NSTerminateNow;
}

@end
