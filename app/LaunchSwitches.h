// Launch switches read on their own, for checking switches before the
// program is started with them (the connect window). Defined with the rest
// of the launch code in LaunchParameters.cpp, so that both read a switch in
// the same way.
#pragma once

#include <string>
#include <vector>

#include "app/LaunchParameters.h"
#include "snmp/SessionParams.h"

// What a list of switches sets on its own: the parameter records and the
// texts, starting from the defaults.
struct LaunchSettings {
  KySNMPDevice device;
  KySNMPScope scope;
  KySNMPSecurity security;
  LaunchTexts texts;
};

// Reads switches exactly as ReadLaunchParameters reads them, but without key
// store, message files or device profile and without touching GlobalDevice,
// GlobalScope and GlobalSecurity: for checking switches before they are used.
// Raises KyConvertError as ReadLaunchParameters does.
LaunchSettings ReadLaunchSwitches(const std::vector<std::string>& arguments);

// The switch an argument is taken for: "/I", else the first of "/R", "/W",
// "/v", else, while the SNMPv3 gate is open, the first of "/t", "/c", "/d",
// "/m", "/l", "/n", "/A", "/P", "/a", "/p" whose two characters occur in it;
// "" when none does.
std::string LaunchSwitchOf(const std::string& arg, bool v3Gate);
