#pragma once
// Where Windows keeps the shortcuts it starts at logon: the Startup folder of the current user and
// the one of all users. The shell knows them; only when it cannot tell, the default profile's
// "User Shell Folders\startup" value is used, its %UserProfile% replaced by the variables
// UserProfile and AllUsersProfile (the old way, right on most single-user machines).
#include <string>

#include "platform/Environment.h"
#include "platform/Registry.h"
#include "platform/ShellFolders.h"

namespace sequora::autostart {

inline constexpr char kDefaultStartupTemplatePath[] =
    "HKEY_USERS\\.DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders\\startup";

struct StartupFolders {
  std::string currentUser;  // with a trailing separator; "" when not known
  std::string allUsers;
};

StartupFolders GetStartupFolders(platform::ShellFolders& shell, platform::Registry& registry,
                                 platform::Environment& environment);

}  // namespace sequora::autostart
