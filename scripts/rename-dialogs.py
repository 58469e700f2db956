#!/usr/bin/env python3
"""Gives the dialog layer Qt names: one class per header, the file named like
the class, `<Subject>Dialog` for every dialog.

Run once from the project root on a clean checkout:

    python3 scripts/rename-dialogs.py

What it does, in this order:
  1. moves every file of `dialogs/` to its new name with `git mv`; a file that
     holds several classes is moved to the name of its first class and split,
     each further class going to a file of its own (its members, and copies
     of the file-local helpers it uses);
  2. renames the classes (whole identifiers, outside string literals, so that
     object names and texts keep every byte) in every source, test, script,
     benchmark and document of the tree;
  3. rewrites the includes of the moved headers: a file that included a split
     header now includes the headers of the classes it uses, and include
     blocks are put back in order.
"""

import os
import re
import subprocess
import sys

# Old class -> new class.
CLASSES = {
    # the bases outside dialogs/
    "TSnmpDialog": "SnmpDialog",
    "TConfigForm": "GeneratedDialog",
    # common/
    "TProgressForm": "ProgressDialog",
    "TProgressForm2": "StpVersionProgressDialog",
    # basic/
    "TfrmNetwroktime": "NetworkTimeDialog",
    "TfrmSummerTime": "SummerTimeDialog",
    "TSystemLogServerForm": "SystemLogHostDialog",
    "TSMTPControlForm": "SmtpControlDialog",
    "TfrmAgentSupportedUpdateFiles": "UpdateFilesDialog",
    "TDot3View": "Dot3PortsDialog",
    "Tdot3ControlForm": "Dot3ControlDialog",
    "Tdot3PauseForm": "Dot3PauseDialog",
    # bridge/
    "TSpanningTreeAlgorithmForm": "SpanningTreeAlgorithmDialog",
    "TSTP_Info": "StpControlDialog",
    # vlan/
    "TVlanStaticForm": "StaticVlanDialog",
    "TVLanCurrentTableForm": "CurrentVlanDialog",
    "TVLanGeneralInfoForm": "VlanBasicConfigDialog",
    "TVLanPortInfomationForm": "VlanPortsDialog",
    "TMulticastFilterInformationForm": "StaticMulticastFilterDialog",
    "TUnicastFilterInformationForm": "StaticUnicastFilterDialog",
    "TPortCapabilities8021dForm": "PortCapabilityDialog",
    # layer2/
    "TPortTrunkForm": "PortTrunkDialog",
    "TPortMirrorForm": "PortMirrorDialog",
    "TTrafficSegmentationForm": "TrafficSegmentationDialog",
    "TPrtSecDelCtrlForm": "PortSecurityDeleteDialog",
    "TGuestVlanForm": "GuestVlanDialog",
    "TRouterPortsBase": "RouterPortsDialog",
    "TIGMPRouterPortsForm": "IgmpRouterPortsDialog",
    "TMLD_SnoopingRouterPortsForm": "MldRouterPortsDialog",
    "TAggregatorPortTableForm": "AggregatorPortDialog",
    "TISMVLANForm": "IgmpMulticastVlanTableDialog",
    "TIGMPMulticastVlanForm": "IgmpMulticastVlanGroupDialog",
    "TIGMPMulticastVLANGroupAddForm": "IgmpMulticastVlanGroupAddDialog",
    "TIGMPSnoopingClearDnyIpMultForm": "IgmpClearDynamicMulticastDialog",
    "TMLD_SnoopingGroupForm": "MldSnoopingGroupDialog",
    "TBOOTCtrlTableForm": "DhcpRelayDialog",
    "TNewBootpCtrlForm": "DhcpRelayAddDialog",
    "TTimeRangeForm": "TimeRangeDialog",
    # acl/
    "TAclTableForm": "AclTableDialog",
    "TAclRuleForm": "AclRuleDialog",
    "TEthernetMaskInformationForm": "EthernetMaskDialog",
    "TCPUEthernetInformationForm": "CpuEthernetMaskDialog",
    "TEthernetInformationRuleForm": "EthernetRuleDialog",
    "TCPUEthernetInformationRuleForm": "CpuEthernetRuleDialog",
    "TIPMaskInformationForm": "IpMaskDialog",
    "TCPUIPMaskInformationForm": "CpuIpMaskDialog",
    "TIPRuleForm": "IpRuleDialog",
    "TCPUIPRuleForm": "CpuIpRuleDialog",
    "TUserMaskInfoForm": "PacketContentMaskDialog",
    "TCPUUserMaskInfoForm": "CpuPacketContentMaskDialog",
    "TUserDefinedInformationRuleForm": "PacketContentRuleDialog",
    "TCPUUserMaskRuleForm": "CpuPacketContentRuleDialog",
    # lldp/
    "TLldpTlvPortForm": "LldpTlvPortDialog",
    "TLLDPPortConfigForm": "LldpPortConfigDialog",
    "TLLDPDot3PortConfigForm": "LldpDot3PortConfigDialog",
    "TLldpTlvSettingForm": "LldpTlvPickerDialog",
    "TLLDPPortConfigurationForm": "LldpBasicTlvPickerDialog",
    "TLLDPDot3PortConfigurationForm": "LldpDot3TlvPickerDialog",
    "TLLDPLocSysDataForm": "LldpLocalSystemDialog",
    "TLldpNamesViewForm": "LldpNamesViewDialog",
    "TLLDPRemoteForm": "LldpRemoteTableDialog",
    "TLLDPDot3LinkAggForm": "LldpLocalLinkAggDialog",
    "TLLDPDot3RemoteLinkAggForm": "LldpRemoteLinkAggDialog",
    "TLldpTxSwitchForm": "LldpTxSwitchDialog",
    "TLLDPConfigVLANNameForm": "LldpVlanNameTxDialog",
    "TLLDPConfigProtocolVLANForm": "LldpProtocolVlanTxDialog",
    "TLLDPConfigProtocolForm": "LldpProtocolTxDialog",
    "KyLldpNamesRequest2Edits": "LldpNamesBinding",
    "NewRequest2Edits": "LldpPortTlvBinding",
    "LLDPDot3PortConfigNewRequest2Edits": "LldpDot3TlvBinding",
    "NewRequest2Edits1": "LldpLocalLinkAggBinding",
    "NewRequest2Edits2": "LldpRemoteLinkAggBinding",
    "NewRequest2Edits3": "LldpRemoteCapabilitiesBinding",
    # security/
    "TRowEditForm": "RowEditDialog",
    "TServerInformationForm": "AacServerHostDialog",
    "TfrmACCServerCtrl": "AacServerControlDialog",
    "TMethodListForm": "MethodListDialog",
    "TLoginMethodListForm": "LoginMethodListDialog",
    "TEnableMethodForm": "EnableMethodListDialog",
    "TRadiusServerForm": "RadiusServerDialog",
    "TRadiusServerEditForm": "RadiusServerEditDialog",
    "TSSLManagementForm": "SslManagementDialog",
    "TCertificateFileForm": "SslCertificateFileDialog",
    "TSafeguardCtrlForm": "SafeguardControlDialog",
    "TIPMACBindingForm": "IpMacBindingDialog",
    "TMacAuthTableView": "MacAuthTableDialog",
    "TMacStatisticTableForm": "MacEapolStatisticsDialog",
    "TDiagnosticsInformationForm": "MacAuthDiagnosticsDialog",
    # singleip/
    "TMSInformationForm": "MemberSwitchDialog",
    "TMSEditForm": "MemberSwitchAddDialog",
    # help/
    "TAboutForm": "AboutDialog",
}

# Old file stem (under dialogs/) -> [(new file stem, old classes in it)].
# The first entry receives the history (git mv); None as the class list
# marks the file of the functions that belong to no class.
FILES = {
    "common/ProgressForm": [("common/ProgressDialog", ["TProgressForm"]),
                            ("common/StpVersionProgressDialog", ["TProgressForm2"])],
    "basic/NetworkTimeUnit": [("basic/NetworkTimeDialog", ["TfrmNetwroktime"])],
    "basic/SummerTimeUnit": [("basic/SummerTimeDialog", ["TfrmSummerTime"]), ("basic/SummerTimeCoding", None)],
    "basic/SystemLogServerUnit": [("basic/SystemLogHostDialog", ["TSystemLogServerForm"])],
    "basic/SMTPControlUnit": [("basic/SmtpControlDialog", ["TSMTPControlForm"])],
    "basic/AgentSupportedUpdateFilesUnit": [("basic/UpdateFilesDialog", ["TfrmAgentSupportedUpdateFiles"])],
    "basic/Dot3Unit": [("basic/Dot3PortsDialog", ["TDot3View"]), ("basic/Dot3ControlDialog", ["Tdot3ControlForm"]),
                       ("basic/Dot3PauseDialog", ["Tdot3PauseForm"])],
    "bridge/SpanningTreeAlgorithmFormUnit": [("bridge/SpanningTreeAlgorithmDialog", ["TSpanningTreeAlgorithmForm"])],
    "bridge/STP_InfoUnit": [("bridge/StpControlDialog", ["TSTP_Info"])],
    "vlan/VlanStaticFormUnit": [("vlan/StaticVlanDialog", ["TVlanStaticForm"])],
    "vlan/VlanInfoFormsUnit": [("vlan/CurrentVlanDialog", ["TVLanCurrentTableForm"]),
                               ("vlan/VlanBasicConfigDialog", ["TVLanGeneralInfoForm"]),
                               ("vlan/VlanPortsDialog", ["TVLanPortInfomationForm"])],
    "vlan/StaticFilterUnit": [("vlan/StaticMulticastFilterDialog", ["TMulticastFilterInformationForm"]),
                              ("vlan/StaticUnicastFilterDialog", ["TUnicastFilterInformationForm"])],
    "vlan/PortCapabilitiesUnit": [("vlan/PortCapabilityDialog", ["TPortCapabilities8021dForm"])],
    "layer2/PortTrunkFormUnit": [("layer2/PortTrunkDialog", ["TPortTrunkForm"])],
    "layer2/PortMirrorFormUnit": [("layer2/PortMirrorDialog", ["TPortMirrorForm"])],
    "layer2/SmallPortListFormsUnit": [("layer2/TrafficSegmentationDialog", ["TTrafficSegmentationForm"]),
                                      ("layer2/PortSecurityDeleteDialog", ["TPrtSecDelCtrlForm"]),
                                      ("security/GuestVlanDialog", ["TGuestVlanForm"])],
    "layer2/RouterPortsUnit": [("layer2/RouterPortsDialog", ["TRouterPortsBase"]),
                               ("layer2/IgmpRouterPortsDialog", ["TIGMPRouterPortsForm"]),
                               ("layer2/MldRouterPortsDialog", ["TMLD_SnoopingRouterPortsForm"])],
    "layer2/AggregatorPortTableUnit": [("layer2/AggregatorPortDialog", ["TAggregatorPortTableForm"])],
    "layer2/ISMVLANUnit": [("layer2/IgmpMulticastVlanTableDialog", ["TISMVLANForm"])],
    "layer2/IGMPMulticastVlanUnit": [("layer2/IgmpMulticastVlanGroupDialog", ["TIGMPMulticastVlanForm"]),
                                     ("layer2/IgmpMulticastVlanGroupAddDialog", ["TIGMPMulticastVLANGroupAddForm"])],
    "layer2/IGMPSnoopingClearDnyIpMultUnit": [("layer2/IgmpClearDynamicMulticastDialog",
                                               ["TIGMPSnoopingClearDnyIpMultForm"])],
    "layer2/MLD_SnoopingGroupUnit": [("layer2/MldSnoopingGroupDialog", ["TMLD_SnoopingGroupForm"])],
    "layer2/BOOTCtrlTableUnit": [("layer2/DhcpRelayDialog", ["TBOOTCtrlTableForm"]),
                                 ("layer2/DhcpRelayAddDialog", ["TNewBootpCtrlForm"])],
    "layer2/TimeRangeUnit": [("layer2/TimeRangeDialog", ["TTimeRangeForm"])],
    "acl/AclTableForm": [("acl/AclTableDialog", ["TAclTableForm"])],
    "acl/AclRuleForm": [("acl/AclRuleDialog", ["TAclRuleForm"])],
    "acl/Ethernetmaskinformationformunit": [("acl/EthernetMaskDialog", ["TEthernetMaskInformationForm"])],
    "acl/Cpuethernetinformationformunit": [("acl/CpuEthernetMaskDialog", ["TCPUEthernetInformationForm"])],
    "acl/Ethernetinformationruleunit": [("acl/EthernetRuleDialog", ["TEthernetInformationRuleForm"])],
    "acl/Cpuethernetinformaitonrule": [("acl/CpuEthernetRuleDialog", ["TCPUEthernetInformationRuleForm"])],
    "acl/Ipmaskinformationformunit": [("acl/IpMaskDialog", ["TIPMaskInformationForm"])],
    "acl/Cpuipmaskinformationformunit": [("acl/CpuIpMaskDialog", ["TCPUIPMaskInformationForm"])],
    "acl/Ipruleunit": [("acl/IpRuleDialog", ["TIPRuleForm"])],
    "acl/Cpuipruleformunit": [("acl/CpuIpRuleDialog", ["TCPUIPRuleForm"])],
    "acl/Usermaskinforunit": [("acl/PacketContentMaskDialog", ["TUserMaskInfoForm"])],
    "acl/Cpuusermaskinforunit": [("acl/CpuPacketContentMaskDialog", ["TCPUUserMaskInfoForm"])],
    "acl/Userdefinedruleunit": [("acl/PacketContentRuleDialog", ["TUserDefinedInformationRuleForm"])],
    "acl/Cpuusermaskruleunit": [("acl/CpuPacketContentRuleDialog", ["TCPUUserMaskRuleForm"])],
    "lldp/LLDPPortConfigUnit": [("lldp/LldpTlvPortDialog", ["TLldpTlvPortForm"]),
                                ("lldp/LldpPortConfigDialog", ["TLLDPPortConfigForm"]),
                                ("lldp/LldpDot3PortConfigDialog", ["TLLDPDot3PortConfigForm"]),
                                ("lldp/LldpTlvPickerDialog", ["TLldpTlvSettingForm"]),
                                ("lldp/LldpBasicTlvPickerDialog", ["TLLDPPortConfigurationForm"]),
                                ("lldp/LldpDot3TlvPickerDialog", ["TLLDPDot3PortConfigurationForm"])],
    "lldp/LLDPLocSysDataUnit": [("lldp/LldpLocalSystemDialog", ["TLLDPLocSysDataForm"])],
    "lldp/LldpViewForms": [("lldp/LldpNamesViewDialog", ["TLldpNamesViewForm"]),
                           ("lldp/LldpRemoteTableDialog", ["TLLDPRemoteForm"]),
                           ("lldp/LldpLocalLinkAggDialog", ["TLLDPDot3LinkAggForm"]),
                           ("lldp/LldpRemoteLinkAggDialog", ["TLLDPDot3RemoteLinkAggForm"])],
    "lldp/LLDPConfigTxUnit": [("lldp/LldpTxSwitchDialog", ["TLldpTxSwitchForm"]),
                              ("lldp/LldpVlanNameTxDialog", ["TLLDPConfigVLANNameForm"]),
                              ("lldp/LldpProtocolVlanTxDialog", ["TLLDPConfigProtocolVLANForm"]),
                              ("lldp/LldpProtocolTxDialog", ["TLLDPConfigProtocolForm"])],
    # Bindings, not dialogs: they stay together.
    "lldp/LldpRequest2Edits": [("lldp/LldpNamesBinding", "*")],
    "security/RowEditForm": [("security/RowEditDialog", ["TRowEditForm"])],
    "security/ServerInformationFormUnit": [("security/AacServerHostDialog", ["TServerInformationForm"])],
    "security/ACCServerCtrlUnit": [("security/AacServerControlDialog", ["TfrmACCServerCtrl"])],
    "security/MethodListFormUnit": [("security/MethodListDialog", ["TMethodListForm"]),
                                    ("security/LoginMethodListDialog", ["TLoginMethodListForm"]),
                                    ("security/EnableMethodListDialog", ["TEnableMethodForm"])],
    "security/RadiusServerFormUnit": [("security/RadiusServerDialog", ["TRadiusServerForm"]),
                                      ("security/RadiusServerEditDialog", ["TRadiusServerEditForm"])],
    "security/SSLManagementFormUnit": [("security/SslManagementDialog", ["TSSLManagementForm"])],
    "security/CertificateFileFormUnit": [("security/SslCertificateFileDialog", ["TCertificateFileForm"])],
    "security/SafeguardCtrlFormUnit": [("security/SafeguardControlDialog", ["TSafeguardCtrlForm"])],
    "security/IPMACBindingFormUnit": [("security/IpMacBindingDialog", ["TIPMACBindingForm"])],
    "security/MacStatisticUnit": [("security/MacAuthTableDialog", ["TMacAuthTableView"]),
                                  ("security/MacEapolStatisticsDialog", ["TMacStatisticTableForm"]),
                                  ("security/MacAuthDiagnosticsDialog", ["TDiagnosticsInformationForm"])],
    "singleip/MSInformationUnit": [("singleip/MemberSwitchDialog", ["TMSInformationForm"]),
                                   ("singleip/MemberSwitchAddDialog", ["TMSEditForm"])],
    "help/AboutForm": [("help/AboutDialog", ["TAboutForm"])],
}

# The heads of the files of free functions split off a dialog.
FREE_PREAMBLE = {
    "basic/SummerTimeCoding": """// The codings of the summer-time values: the switch holds each start and end
// of its daylight-saving rule as a short octet string, shown as hexadecimal
// text.
#pragma once

#include <QString>
#include <optional>
""",
}
FREE_INCLUDES = {
    "basic/SummerTimeCoding": ['#include "dialogs/basic/SummerTimeCoding.h"', "", "#include <vector>", "",
                               '#include "editors/DialogHelpers.h"'],
}

# Where the renames apply: every text file of these folders and files.
TREE = ["app", "bench", "dialogs", "editors", "main", "platform", "scripts", "sim", "snmp", "tables", "tests",
        "README.md", "docs"]
SOURCE_SUFFIXES = (".cpp", ".h")
TEXT_SUFFIXES = (".cpp", ".h", ".md", ".txt", ".cmake", ".html")

WORD = re.compile(r"[A-Za-z_][A-Za-z0-9_]*")


def run(*args):
    subprocess.run(args, check=True)


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


# ---------------------------------------------------------------- C++ text

def code_only(line, state):
    """The line with string/char literals and comments blanked; `state` carries
    an open block comment across lines."""
    out = []
    i, n = 0, len(line)
    while i < n:
        if state["block"]:
            j = line.find("*/", i)
            if j < 0:
                return "".join(out)
            state["block"] = False
            i = j + 2
            continue
        c = line[i]
        if line.startswith("//", i):
            break
        if line.startswith("/*", i):
            state["block"] = True
            i += 2
            continue
        if c in "\"'":
            j = i + 1
            while j < n and line[j] != c:
                j += 2 if line[j] == "\\" else 1
            out.append(c + " " * max(0, j - i - 1) + c)
            i = j + 1
            continue
        out.append(c)
        i += 1
    return "".join(out)


def rename_outside_strings(text, mapping):
    """Replaces whole identifiers of `mapping` everywhere but inside string and
    character literals (comments are renamed too)."""
    result = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            result.append(rename_words(text[i:j], mapping))
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i)
            j = n if j < 0 else j + 2
            result.append(rename_words(text[i:j], mapping))
            i = j
        elif c in "\"'" and not (c == "'" and i > 0 and text[i - 1].isalnum()):
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            result.append(text[i:j + 1])
            i = j + 1
        else:
            m = WORD.match(text, i)
            if m:
                result.append(mapping.get(m.group(0), m.group(0)))
                i = m.end()
            else:
                result.append(c)
                i += 1
    return "".join(result)


def rename_words(text, mapping):
    return WORD.sub(lambda m: mapping.get(m.group(0), m.group(0)), text)


# ---------------------------------------------------------------- splitting

def chunks(lines, start, stop):
    """Top-level constructs of lines[start:stop] as (first, last, leading) where
    `leading` is the index of the comment block right before it."""
    result = []
    state = {"block": False}
    i = start
    pending = None
    while i < stop:
        line = lines[i]
        stripped = line.strip()
        if not stripped:
            pending = None
            i += 1
            continue
        if stripped.startswith("//") or state["block"] or stripped.startswith("/*"):
            code_only(line, state)
            if pending is None:
                pending = i
            i += 1
            continue
        if stripped.startswith("#"):
            result.append((i, i, pending if pending is not None else i))
            pending = None
            i += 1
            continue
        first = i
        depth = 0
        while True:
            code = code_only(lines[i], state)
            depth += code.count("{") - code.count("}")
            tail = code.rstrip()
            if depth == 0 and (tail.endswith(";") or tail.endswith("}")):
                break
            i += 1
        result.append((first, i, pending if pending is not None else first))
        pending = None
        i += 1
    return result


def names_defined(text):
    """The names a file-local helper defines."""
    state = {"block": False}
    code = " ".join(code_only(line, state) for line in text.split("\n"))
    m = re.match(r"\s*(?:struct|class|enum(?:\s+class)?)\s+(\w+)", code)
    if m:
        return {m.group(1)}
    head = code.split(";", 1)[0]
    before_assign = head.split("=", 1)[0]
    if "(" in before_assign:
        m = re.search(r"(\w+)\s*$", before_assign.split("(", 1)[0])
        return {m.group(1)} if m else set()
    return set(re.findall(r"(\w+)\s*(?:\[[^\]]*\])?\s*=(?!=)", head))


def words(text):
    state = {"block": False}
    found = set()
    for line in text.split("\n"):
        found.update(WORD.findall(code_only(line, state)))
    return found


def split_header(text, targets, base_of):
    """Splits a header into one text per target: {stem: text}."""
    lines = text.split("\n")
    parts = chunks(lines, 0, len(lines))
    classes = {}
    loose = []
    preamble_end = 0
    for first, last, leading in parts:
        head = lines[first]
        if head.startswith("#") or re.fullmatch(r"class \w+;", head.strip()):
            preamble_end = last + 1
            continue
        body = "\n".join(lines[leading:last + 1])
        m = re.match(r"(?:class|struct)\s+(\w+)\b[^;]*\{", head)
        if m and m.group(1) in base_of:
            classes[m.group(1)] = body
        else:
            loose.append(body)
    preamble = lines[:preamble_end]
    free_target = next((stem for stem, cls in targets if cls is None), None)
    if loose and not free_target:
        sys.exit("header has free declarations but no target for them: " + loose[0][:60])
    out = {}
    for stem, cls in targets:
        if cls is None:
            out[stem] = FREE_PREAMBLE[stem] + "\n" + "\n".join(loose) + "\n"
            continue
        body_parts = [classes[c] for c in cls]
        used = words("\n".join(body_parts))
        pre = [line for line in preamble if not any(line.strip() == "class %s;" % c for c in cls)]
        extra = []
        for other_stem, other_cls in targets:
            if other_stem == stem:
                continue
            if other_cls is None:
                extra.append('#include "dialogs/%s.h"' % other_stem)
                continue
            for c in other_cls:
                if any(base_of.get(o) == c for o in cls):
                    extra.append('#include "dialogs/%s.h"' % other_stem)
                elif c in used and not any(line.strip() == "class %s;" % c for line in pre):
                    pre = insert_forward(pre, c)
        out[stem] = assemble_header(pre, extra, body_parts)
    return out


def insert_forward(pre, cls):
    decl = "class %s;" % cls
    idx = [i for i, line in enumerate(pre) if re.fullmatch(r"class \w+;", line.strip())]
    if idx:
        pre = pre[:idx[-1] + 1] + [decl] + pre[idx[-1] + 1:]
    else:
        last_include = max(i for i, line in enumerate(pre) if line.startswith("#include") or line.startswith("#pragma"))
        pre = pre[:last_include + 1] + ["", decl] + pre[last_include + 1:]
    return pre


def assemble_header(pre, extra, bodies):
    pre = list(pre)
    if extra:
        last_include = max(i for i, line in enumerate(pre) if line.startswith("#include") or line.startswith("#pragma"))
        pre = pre[:last_include + 1] + extra + pre[last_include + 1:]
    while pre and not pre[-1].strip():
        pre.pop()
    return "\n".join(pre) + "\n\n" + "\n\n".join(bodies) + "\n"


def split_source(text, old_header, targets, base_of):
    """Splits a source file: members go with their class, free functions with
    the free target, file-local helpers with every target that uses them."""
    lines = text.split("\n")
    parts = chunks(lines, 0, len(lines))
    # preamble: up to the last #include line
    last_include = max(i for i, line in enumerate(lines) if line.startswith("#include"))
    preamble = lines[:last_include + 1]
    helpers = []   # (text, names) from anonymous namespaces, in order
    owned = {stem: [] for stem, _ in targets}
    free_target = next((stem for stem, cls in targets if cls is None), None)
    owner_of = {c: stem for stem, cls in targets for c in (cls or [])}
    for first, last, leading in parts:
        if first <= last_include:
            continue
        if re.match(r"namespace\s*\{", lines[first]):
            for f2, l2, lead2 in chunks(lines, first + 1, last):
                body = "\n".join(lines[lead2:l2 + 1])
                helpers.append((body, names_defined("\n".join(lines[f2:l2 + 1]))))
            continue
        body = "\n".join(lines[leading:last + 1])
        signature = code_only(" ".join(lines[first:last + 1]).split("{", 1)[0], {"block": False})
        owner = next((w for w in re.findall(r"\b(\w+)::", signature) if w in owner_of), None)
        if owner:
            owned[owner_of[owner]].append(body)
        elif free_target:
            owned[free_target].append(body)
        else:
            sys.exit("%s: cannot place: %s" % (old_header, lines[first]))
    out = {}
    for stem, cls in targets:
        if not owned[stem]:
            continue
        used = words("\n".join(owned[stem]))
        chosen = set()
        changed = True
        while changed:
            changed = False
            for k, (body, names) in enumerate(helpers):
                if k not in chosen and names & used:
                    chosen.add(k)
                    used |= words(body)
                    changed = True
        siblings = ['#include "dialogs/%s.h"' % other_stem for other_stem, other_cls in targets
                    if (other_stem != stem and other_cls is not None and set(other_cls) & used
                        and not any(base_of.get(c) in other_cls for c in cls or []))]
        includes = []
        for line in preamble:
            if line.strip() == '#include "%s"' % old_header:
                includes.append('#include "dialogs/%s.h"' % stem)
            else:
                if siblings and line.startswith('#include "'):
                    includes.extend(siblings)
                    siblings = []
                includes.append(line)
        if siblings:
            includes.extend([""] + siblings)
        if cls is None:
            includes = FREE_INCLUDES[stem]
        text_out = "\n".join(includes) + "\n"
        if chosen:
            text_out += "\nnamespace {\n\n" + "\n\n".join(helpers[k][0] for k in sorted(chosen)) + "\n\n}  // namespace\n"
        text_out += "\n" + "\n\n".join(owned[stem]) + "\n"
        out[stem] = text_out
    return out


# ---------------------------------------------------------------- includes

def sort_include_blocks(text):
    lines = text.split("\n")
    i = 0
    while i < len(lines):
        if lines[i].startswith('#include "'):
            j = i
            while j < len(lines) and lines[j].startswith('#include "'):
                j += 1
            block = sorted(dict.fromkeys(lines[i:j]))
            lines[i:j] = block
            i += len(block)
        else:
            i += 1
    return "\n".join(lines)


def main():
    if not os.path.isdir("dialogs") or subprocess.run(["git", "diff", "--quiet", "HEAD"]).returncode != 0:
        sys.exit("run from the project root on a clean checkout")

    # which class derives from which (for the includes of split headers)
    base_of = {}
    for old in FILES:
        header = read("dialogs/%s.h" % old)
        for m in re.finditer(r"^class (\w+)\s*(?:final\s*)?:\s*public\s+(\w+)", header, re.M):
            base_of[m.group(1)] = m.group(2)
        for m in re.finditer(r"^class (\w+)\s*(?:final\s*)?\{", header, re.M):
            base_of[m.group(1)] = None

    # 1. files
    moved = {}  # old header path -> [(new header path, new classes)]
    for old, targets in FILES.items():
        old_h, old_cpp = "dialogs/%s.h" % old, "dialogs/%s.cpp" % old
        primary = targets[0][0]
        has_cpp = os.path.exists(old_cpp)
        if len(targets) == 1:
            os.makedirs(os.path.dirname("dialogs/%s.h" % primary), exist_ok=True)
            run("git", "mv", old_h, "dialogs/%s.h" % primary)
            if has_cpp:
                run("git", "mv", old_cpp, "dialogs/%s.cpp" % primary)
                text = read("dialogs/%s.cpp" % primary)
                write("dialogs/%s.cpp" % primary,
                      text.replace('#include "%s"' % old_h, '#include "dialogs/%s.h"' % primary))
            cls = targets[0][1]
            moved[old_h] = [("dialogs/%s.h" % primary, None if cls == "*" else [CLASSES[c] for c in cls])]
            continue
        header_text = read(old_h)
        source_text = read(old_cpp) if has_cpp else ""
        headers = split_header(header_text, targets, base_of)
        sources = split_source(source_text, old_h, targets, base_of) if has_cpp else {}
        run("git", "mv", old_h, "dialogs/%s.h" % primary)
        if has_cpp:
            run("git", "mv", old_cpp, "dialogs/%s.cpp" % primary)
        for stem, _ in targets:
            write("dialogs/%s.h" % stem, headers[stem])
            if stem in sources:
                write("dialogs/%s.cpp" % stem, sources[stem])
            elif has_cpp and stem == primary:
                run("git", "rm", "-q", "dialogs/%s.cpp" % stem)
        moved[old_h] = [("dialogs/%s.h" % stem, [CLASSES[c] for c in cls] if cls else [])
                        for stem, cls in targets]
        run("git", "add", *["dialogs/%s.%s" % (stem, ext) for stem, _ in targets for ext in ("h", "cpp")
                            if os.path.exists("dialogs/%s.%s" % (stem, ext))])

    # 2. class names, 3. includes and file names in documents
    path_names = {}
    for old, targets in FILES.items():
        for ext in ("h", "cpp"):
            path_names["dialogs/%s.%s" % (old, ext)] = "dialogs/%s.%s" % (targets[0][0], ext)
    files = []
    for top in TREE:
        if os.path.isfile(top):
            files.append(top)
            continue
        for root, _, names in os.walk(top):
            files.extend(os.path.join(root, n) for n in names if n.endswith(TEXT_SUFFIXES))
    for path in sorted(files):
        if path == "scripts/rename-dialogs.py":
            continue
        text = read(path)
        new = text
        if path.endswith(SOURCE_SUFFIXES):
            new = rename_outside_strings(new, CLASSES)
            used = words(new)

            def include_for(m):
                old_h = m.group(1)
                if old_h not in moved:
                    return m.group(0)
                targets = moved[old_h]
                wanted = [h for h, cls in targets if cls is None or set(cls) & used]
                if not wanted:
                    wanted = [h for h, _ in targets]
                return "\n".join('#include "%s"' % h for h in wanted)

            new = re.sub(r'^#include "(dialogs/[^"]+\.h)"$', include_for, new, flags=re.M)
            new = sort_include_blocks(new)
        else:
            new = rename_words(new, CLASSES)
        for old_path, new_path in path_names.items():
            new = new.replace(old_path, new_path)
            new = re.sub(r"(?<![\w/])%s\b" % re.escape(os.path.basename(old_path)), os.path.basename(new_path), new)
        if new != text:
            write(path, new)
    # 4. the menu catalogue no longer spells class names: a dedicated entry is
    # found by its handler alone
    path = "app/MenuCatalogue.cpp"
    text = read(path)
    calls = re.compile(r'(\bDedicated\(\d+, "(?:[^"\\]|\\.)*", "\w+"), "\w+"')
    count = len(calls.findall(text))
    text = calls.sub(r"\1", text)
    text = text.replace("""constexpr MenuEntry Dedicated(int level, std::string_view caption, std::string_view handler,
                              std::string_view dialogClass, std::string_view title, TitleForm form) {
  MenuEntry e = Command(level, caption, handler, CommandPattern::Dedicated);
  e.dialogClass = dialogClass;
""", """constexpr MenuEntry Dedicated(int level, std::string_view caption, std::string_view handler, std::string_view title,
                              TitleForm form) {
  MenuEntry e = Command(level, caption, handler, CommandPattern::Dedicated);
""").replace("""constexpr MenuEntry Dedicated(int level, std::string_view caption, std::string_view handler,
                              std::string_view dialogClass) {
  return Dedicated(level, caption, handler, dialogClass, {}, TitleForm::OwnCaption);""",
                 """constexpr MenuEntry Dedicated(int level, std::string_view caption, std::string_view handler) {
  return Dedicated(level, caption, handler, {}, TitleForm::OwnCaption);""")
    if "dialogClass" in text:
        sys.exit("app/MenuCatalogue.cpp: dialogClass left")
    write(path, text)
    print("renamed %d classes, %d files; %d catalogue entries without class name" % (len(CLASSES), len(FILES), count))


if __name__ == "__main__":
    main()
