#pragma once
// The texts the import window shows and the messages the autostart operations report. A
// result carries a Message; the window (or the run) shows it with Dialogs::MsgBox(text, title,
// style). "\r" is the line break of a message text.
#include <string>

#include "platform/Dialogs.h"

namespace sequora::autostart {

struct Message {
  std::string title;
  std::string text;
  int style = platform::msgbox::kInformation;

  bool operator==(const Message&) const = default;
};

namespace text {
// Window and controls.
inline constexpr char kWindowTitle[] = "Import Windows startup Programs";
inline constexpr char kRegistryHeading[] = "Windows autorun (Registry)";
inline constexpr char kFolderHeading[] = "Windows Autorun (Directory):";
inline constexpr char kProgramInfo[] = "Program info";
inline constexpr char kDoubleClickHint[] = "Doubleclick = Remove";
inline constexpr char kCurrentUser[] = "Current User";
inline constexpr char kAllUsers[] = "All Users";
inline constexpr char kStartPosition[] = "Startposition in Programlist (opt.):";
inline constexpr char kAddOne[] = "Add >";
inline constexpr char kAddAll[] = "Add all >>";
inline constexpr char kRestoreOne[] = "Restore >";
inline constexpr char kRestoreAll[] = "Restore All >>";
inline constexpr char kToRestoreMode[] = "Restore Settings <<";  // RestoreBtn in import mode
inline constexpr char kToImportMode[] = "Import Autostarts >>";  // RestoreBtn in restore mode
inline constexpr char kRestoreHeading[] = "Restore the original Windows Startup Settings";
inline constexpr char kReload[] = "Reload";
inline constexpr char kClose[] = "Close";
inline constexpr char kNothingFound[] = "Nothing found!";
// Put before the command line of an item that Windows' startup settings switched off.
inline constexpr char kDisabledInWindows[] = "(disabled in Windows)";
}  // namespace text

// "All Users" ticked. Both registry views are read now, so nothing is hidden on 64-bit systems.
Message AllUsersWarning();

// Import (one item, all items).
Message NothingSelectedToAdd();    // "Nothing to add" / "Nothing selected"
Message RegistryListEmpty();       // "Nothing to add" / "The List is empty!"
Message ShortcutListEmptyToAdd();  // "Nothing to add" / "No programs in the list!"
Message ConfirmImportAllRegistry(const std::string& listText);   // OK/Cancel
Message ConfirmImportAllShortcuts(const std::string& listText);  // OK/Cancel
Message ImportedAll();                                           // "Succsessfully added"
// The program list did not take the program, so the item stays in Windows.
Message NotImported(const std::string& commandLine);
// The same for several at once (`listText` as ListText gives it); `listFull` names the reason.
Message NotImportedAll(const std::string& listText, bool listFull);
// Sequora's own program is never imported: it must start at logon to start the others.
// Programs listed but switched off in the list (`listText` as ListText gives it).
Message SwitchedOffInList(const std::string& listText);
Message OwnProgramNotImported(const std::string& commandLine);

// Backup and restore.
Message FileNotFound(const std::string& path);
Message BackupMoveFailed(const std::string& sourcePath);
Message RestoreMoveFailed(const std::string& destinationPath);
// Something else lies where the shortcut is to go back to; it is left alone.
Message RestoreDestinationTaken(const std::string& destinationPath);
Message NoFreeRecord();  // "Problem writing the Backup file (more then 300 Entrys?)"
Message RegistryNotRemoved(const std::string& fullPath);
Message RegistryNotRestored(const std::string& fullPath);
// Another value of that name is in the registry now; it is left alone.
Message RegistryRestoreTaken(const std::string& fullPath);
// A text that a record of the settings file cannot hold exactly (a line break, blanks at an end).
Message CannotRecord(const std::string& what);
Message SettingsNotWritten(const std::string& iniPath);
Message SettingsNotRead(const std::string& iniPath);
Message BackupNotFound(const std::string& backupFile, int errorNumber);  // "Error 13!" / "Error 14!"
Message NothingSelectedToRestore();  // "Nothing to restore" / "Nothing selected"
Message NothingToRestore();          // "Nothing to restore" / "No programs in the list!"
Message ConfirmRestoreShortcuts(const std::string& listText);  // Yes/No
Message ConfirmRestoreRegistry(const std::string& listText);   // Yes/No
Message ShortcutsRestored();                                   // "Finished!" / "Programs restored!"
Message RegistryRestored();                                    // "Succsessfully restored"

}  // namespace sequora::autostart
