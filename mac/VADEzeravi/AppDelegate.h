#import <Cocoa/Cocoa.h>

#if !defined(GNUSTEP) && __has_include(<CoreData/CoreData.h>)
#import <CoreData/CoreData.h>
#define ZZ_HAVE_CORE_DATA 1
#else
#define ZZ_HAVE_CORE_DATA 0

// GNUstep has no Core Data. These stand in for the little of it that the
// delegate uses: a store that never holds changes, so the Save command
// does nothing and quitting answers "terminate now".
@interface NSManagedObjectContext : NSObject {
    NSUndoManager* undoManager;
}
- (BOOL)commitEditing;
- (BOOL)hasChanges;
- (BOOL)save:(NSError**)error;
- (NSUndoManager*)undoManager;
@end

@interface NSPersistentContainer : NSObject {
    NSString* name;
    NSManagedObjectContext* viewContext;
}
- (id)initWithName:(NSString*)containerName;
- (NSManagedObjectContext*)viewContext;
@end
#endif

@interface AppDelegate : NSObject <NSApplicationDelegate, NSWindowDelegate> {
    NSPersistentContainer* persistentContainer;
}

- (NSPersistentContainer*)persistentContainer;

- (void)applicationDidFinishLaunching:(NSNotification*)aNotification;
- (void)applicationWillTerminate:(NSNotification*)aNotification;
- (BOOL)applicationShouldTerminateAfterLastWindowClosed:(NSApplication*)sender;
- (NSApplicationTerminateReply)applicationShouldTerminate:(NSApplication*)sender;
- (IBAction)saveAction:(id)sender;
- (NSUndoManager*)windowWillReturnUndoManager:(NSWindow*)window;
- (NSSize)windowWillResize:(NSWindow*)sender toSize:(NSSize)frameSize;

@end
