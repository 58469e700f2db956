// Which tables an access-control mask or rule dialog edits: those of the
// access-control list, or those of the CPU interface filter (the same
// dialog with fewer IDs, its own columns and a few names of its own).
#pragma once

enum class AclFilter { AccessList, CpuInterface };
