#include "autostart/ImportTexts.h"

namespace sequora::autostart {

namespace mb = platform::msgbox;

Message AllUsersWarning() {
  return {"Warning!",
          "Be carefull!\rIf you are using more then one User Profile on this Computer, removing autorun "
          "Programs may cause problems!",
          mb::kInformation};
}

Message NothingSelectedToAdd() { return {"Nothing to add", "Nothing selected", mb::kInformation}; }
Message RegistryListEmpty() { return {"Nothing to add", "The List is empty!", mb::kInformation}; }
Message ShortcutListEmptyToAdd() { return {"Nothing to add", "No programs in the list!", mb::kInformation}; }

Message ConfirmImportAllRegistry(const std::string& listText) {
  return {"Import and remove from Registry?",
          "Import all Registry Entrys to Program List and remove from the Registry?\r\r" + listText,
          mb::kQuestion | mb::kOkCancel};
}

Message ConfirmImportAllShortcuts(const std::string& listText) {
  return {"Import all AutoRun Shortcuts?",
          "Import all AutoRun Shortcuts to Program List and backup the original ones?\r\r" + listText,
          mb::kQuestion | mb::kOkCancel};
}

Message ImportedAll() { return {"Succsessfully added", "Programs succsessfully added!", mb::kInformation}; }

Message NotImported(const std::string& commandLine) {
  return {"Not imported",
          "The program could not be added to the program list, so it stays in the Windows autostart:\r\r" +
              commandLine,
          mb::kInformation};
}

Message NotImportedAll(const std::string& listText, bool listFull) {
  const std::string why = listFull ? "The program list is full (100 programs). Not added, still in the "
                                     "Windows autostart:"
                                   : "Could not be added to the program list, still in the Windows autostart:";
  return {"Not imported", why + "\r\r" + listText, mb::kInformation};
}

Message SwitchedOffInList(const std::string& listText) {
  return {"Not imported",
          "Listed, but switched off in the program list: it stays in the Windows autostart so that it "
          "still starts at logon. Switch the entry on to import it.\r\r" +
              listText,
          mb::kInformation};
}

Message OwnProgramNotImported(const std::string& commandLine) {
  return {"Not imported",
          "Sequora itself stays in the Windows autostart: it starts the programs of the list.\r\r" +
              commandLine,
          mb::kInformation};
}

Message FileNotFound(const std::string& path) {
  return {"Error", "File not found!\r\r" + path, mb::kInformation};
}

Message BackupMoveFailed(const std::string& sourcePath) {
  return {"Error", "File backup failed! Could not move the file:\r\r" + sourcePath, mb::kInformation};
}

Message RestoreMoveFailed(const std::string& destinationPath) {
  return {"Error", "File restore failed! Could not move the file:\r\r" + destinationPath, mb::kInformation};
}

Message RestoreDestinationTaken(const std::string& destinationPath) {
  return {"Error", "File restore failed! Another file is already there:\r\r" + destinationPath,
          mb::kInformation};
}

Message NoFreeRecord() {
  return {"Error", "Problem writing the Backup file (more then 300 Entrys?)", mb::kCritical};
}

Message RegistryNotRemoved(const std::string& fullPath) {
  return {"Error removing Registry Value", "Error: Registry Value: \r" + fullPath + "\rCould not be deleted!",
          mb::kCritical};
}

Message RegistryNotRestored(const std::string& fullPath) {
  return {"Error restoring Registry Value",
          "Error: Registry Value: \r" + fullPath + "\rCould not be restored!", mb::kCritical};
}

Message RegistryRestoreTaken(const std::string& fullPath) {
  return {"Error restoring Registry Value",
          "Error: Registry Value: \r" + fullPath +
              "\rCould not be restored!\rAnother value of that name is there now.",
          mb::kCritical};
}

Message CannotRecord(const std::string& what) {
  return {"Error",
          "This autostart entry cannot be recorded in the Backup section (line break or blanks at its ends), "
          "so it "
          "stays in Windows:\r\r" +
              what,
          mb::kCritical};
}

Message SettingsNotWritten(const std::string& iniPath) {
  return {"Error", "Could not write the settings file:\r\r" + iniPath, mb::kCritical};
}

Message SettingsNotRead(const std::string& iniPath) {
  return {"Error", "Could not read the settings file:\r\r" + iniPath, mb::kCritical};
}

Message BackupNotFound(const std::string& backupFile, int errorNumber) {
  return {"Error " + std::to_string(errorNumber) + "!", "Backup not found:\r" + backupFile, mb::kCritical};
}

Message NothingSelectedToRestore() { return {"Nothing to restore", "Nothing selected", mb::kInformation}; }
Message NothingToRestore() { return {"Nothing to restore", "No programs in the list!", mb::kInformation}; }

Message ConfirmRestoreShortcuts(const std::string& listText) {
  return {"Restore AutoStart Shortcuts?", "Are you sure to restore these AutoStart Shortcuts?\r\r" + listText,
          mb::kQuestion | mb::kYesNo};
}

Message ConfirmRestoreRegistry(const std::string& listText) {
  return {"Restore values?", "Are you sure to restore these Registry values:\r\r" + listText,
          mb::kQuestion | mb::kYesNo};
}

Message ShortcutsRestored() { return {"Finished!", "Programs restored!", mb::kInformation}; }
Message RegistryRestored() {
  return {"Succsessfully restored", "Programs succsessfully restored!", mb::kInformation};
}

}  // namespace sequora::autostart
