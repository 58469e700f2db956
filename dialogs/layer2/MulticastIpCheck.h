// The IPv4 check of the IGMP multicast dialogs: an address whose dots are
// misplaced (first, or not followed by a digit) gets "Please input a valid
// IP", any other failure "Please input a valid ip".
#pragma once

#include <QString>

class QWidget;

bool CheckMulticastIpv4(QWidget* owner, const QString& text);
