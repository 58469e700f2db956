#include "dialogs/RegisterDialogs.h"

#include <QDialog>
#include <type_traits>

#include "app/MenuBar.h"
#include "dialogs/acl/Cpuethernetinformaitonrule.h"
#include "dialogs/acl/Cpuethernetinformationformunit.h"
#include "dialogs/acl/Cpuipruleformunit.h"
#include "dialogs/acl/Cpuipmaskinformationformunit.h"
#include "dialogs/acl/Cpuusermaskinforunit.h"
#include "dialogs/acl/Cpuusermaskruleunit.h"
#include "dialogs/acl/Ethernetmaskinformationformunit.h"
#include "dialogs/acl/Ethernetinformationruleunit.h"
#include "dialogs/acl/Ipmaskinformationformunit.h"
#include "dialogs/acl/Ipruleunit.h"
#include "dialogs/acl/Userdefinedruleunit.h"
#include "dialogs/acl/Usermaskinforunit.h"
#include "dialogs/basic/NetworkTimeUnit.h"
#include "dialogs/basic/SMTPControlUnit.h"
#include "dialogs/basic/SummerTimeUnit.h"
#include "dialogs/basic/SystemLogServerUnit.h"
#include "dialogs/bridge/STP_InfoUnit.h"
#include "dialogs/bridge/SpanningTreeAlgorithmFormUnit.h"
#include "dialogs/help/AboutForm.h"
#include "dialogs/layer2/AggregatorPortTableUnit.h"
#include "dialogs/layer2/PortMirrorFormUnit.h"
#include "dialogs/layer2/PortTrunkFormUnit.h"
#include "dialogs/layer2/RouterPortsUnit.h"
#include "dialogs/layer2/SmallPortListFormsUnit.h"
#include "dialogs/layer2/TimeRangeUnit.h"
#include "dialogs/vlan/VlanInfoFormsUnit.h"
#include "dialogs/vlan/VlanStaticFormUnit.h"
#include "dialogs/lldp/LLDPConfigTxUnit.h"
#include "dialogs/lldp/LLDPLocSysDataUnit.h"
#include "dialogs/lldp/LLDPPortConfigUnit.h"
#include "dialogs/lldp/LldpViewForms.h"
#include "dialogs/security/ACCServerCtrlUnit.h"
#include "dialogs/security/CertificateFileFormUnit.h"
#include "dialogs/security/IPMACBindingFormUnit.h"
#include "dialogs/security/MethodListFormUnit.h"
#include "dialogs/security/RadiusServerFormUnit.h"
#include "dialogs/security/SSLManagementFormUnit.h"
#include "dialogs/security/SafeguardCtrlFormUnit.h"
#include "dialogs/security/ServerInformationFormUnit.h"
#include "dialogs/basic/AgentSupportedUpdateFilesUnit.h"
#include "dialogs/basic/Dot3Unit.h"
#include "dialogs/layer2/BOOTCtrlTableUnit.h"
#include "dialogs/layer2/IGMPMulticastVlanUnit.h"
#include "dialogs/layer2/ISMVLANUnit.h"
#include "dialogs/layer2/IGMPSnoopingClearDnyIpMultUnit.h"
#include "dialogs/layer2/MLD_SnoopingGroupUnit.h"
#include "dialogs/security/MacStatisticUnit.h"
#include "dialogs/singleip/MSInformationUnit.h"
#include "dialogs/vlan/PortCapabilitiesUnit.h"
#include "dialogs/vlan/StaticFilterUnit.h"

namespace {

// The factory of dialog class T: T(const DialogContext&) when it has that
// constructor, else T(QWidget* owner).
template <class T>
DedicatedDialogFactory Make() {
  return [](const DialogContext& context) -> QDialog* {
    if constexpr (std::is_constructible_v<T, const DialogContext&>)
      return new T(context);
    else
      return new T(context.owner);
  };
}

}  // namespace

// One line per dialog, grouped by menu, keyed by the command's click handler.
void RegisterDedicatedDialogs() {
  // ---- "Basic Configuration"
  RegisterDedicatedDialog("NetworkTime1Click", Make<TfrmNetwroktime>());
  RegisterDedicatedDialog("SummerTime1Click", Make<TfrmSummerTime>());
  RegisterDedicatedDialog("SystemLogServerTable1Click", Make<TSystemLogServerForm>());
  RegisterDedicatedDialog("SMTPControlTable1Click", Make<TSMTPControlForm>());

  // ---- "Layer 2 Management"
  RegisterDedicatedDialog("TimeRangeManagement1Click", Make<TTimeRangeForm>());
  RegisterDedicatedDialog("PortConfiguration1Click", Make<TLLDPPortConfigForm>());
  RegisterDedicatedDialog("PortConfigurationTable1Click", Make<TLLDPDot3PortConfigForm>());
  RegisterDedicatedDialog("SystemData1Click", Make<TLLDPLocSysDataForm>());
  RegisterDedicatedDialog("RemoteTable2Click", Make<TLLDPRemoteForm>());
  RegisterDedicatedDialog("LinkAggregationTable1Click", Make<TLLDPDot3LinkAggForm>());
  RegisterDedicatedDialog("LinkAggregationTable2Click", Make<TLLDPDot3RemoteLinkAggForm>());
  RegisterDedicatedDialog("VLANNameTable1Click", Make<TLLDPConfigVLANNameForm>());
  RegisterDedicatedDialog("ProtocolVLANTable1Click", Make<TLLDPConfigProtocolVLANForm>());
  RegisterDedicatedDialog("ProtocolTable1Click", Make<TLLDPConfigProtocolForm>());

  // ---- "Bridge"
  RegisterDedicatedDialog("SpanningTreeAlgorithm1Click", Make<TSpanningTreeAlgorithmForm>());
  RegisterDedicatedDialog("Information2Click", Make<TSTP_Info>());
  // ---- "VLAN"
  RegisterDedicatedDialog("BasicConfigureClick", Make<TVLanGeneralInfoForm>());
  RegisterDedicatedDialog("PortsInfo1Click", Make<TVLanPortInfomationForm>());
  RegisterDedicatedDialog("StaticForm1Click", Make<TVlanStaticForm>());
  RegisterDedicatedDialog("CurrentForm1Click", Make<TVLanCurrentTableForm>());
  // ---- "Layer 2 Management"
  RegisterDedicatedDialog("PortTrunk2Click", Make<TPortTrunkForm>());
  RegisterDedicatedDialog("PortMirrorTable1Click", Make<TPortMirrorForm>());
  RegisterDedicatedDialog("PortSecurityDeleteTable1Click", Make<TPrtSecDelCtrlForm>());
  RegisterDedicatedDialog("IGMPRouterPort1Click", Make<TIGMPRouterPortsForm>());
  RegisterDedicatedDialog("TrafficSegmentationTable1Click", Make<TTrafficSegmentationForm>());
  RegisterDedicatedDialog("AggreatorPortTable1Click", Make<TAggregatorPortTableForm>());
  RegisterDedicatedDialog("MLDSnoopingRouterPort1Click", Make<TMLD_SnoopingRouterPortsForm>());
  // ---- "Security Management"
  RegisterDedicatedDialog("GuestVLAN1Click", Make<TGuestVlanForm>());
  // ---- "Layer 2 Management" > "Access Control Information" and its "CPU Filter"
  RegisterDedicatedDialog("EthernetMask1Click", Make<TEthernetMaskInformationForm>());
  RegisterDedicatedDialog("RuleOfEthernetInformation1Click", Make<TEthernetInformationRuleForm>());
  RegisterDedicatedDialog("IPMaskInformation1Click", Make<TIPMaskInformationForm>());
  RegisterDedicatedDialog("IPRule1Click", Make<TIPRuleForm>());
  RegisterDedicatedDialog("PayloadMaskInformation1Click", Make<TUserMaskInfoForm>());
  RegisterDedicatedDialog("PayloadRule1Click", Make<TUserDefinedInformationRuleForm>());
  RegisterDedicatedDialog("EthernetMaskCPUFilter1Click", Make<TCPUEthernetInformationForm>());
  RegisterDedicatedDialog("EthernetRuleCPUFilter1Click", Make<TCPUEthernetInformationRuleForm>());
  RegisterDedicatedDialog("IPMaskCPUFilter1Click", Make<TCPUIPMaskInformationForm>());
  RegisterDedicatedDialog("IPRuleCPUFilter1Click", Make<TCPUIPRuleForm>());
  RegisterDedicatedDialog("PacketContentMaskCPUFilter1Click", Make<TCPUUserMaskInfoForm>());
  RegisterDedicatedDialog("PacketContentRuleCPUFilter1Click", Make<TCPUUserMaskRuleForm>());

  // ---- "Security Management"
  RegisterDedicatedDialog("LoginMethodControl1Click", Make<TLoginMethodListForm>());
  RegisterDedicatedDialog("EnableMethodControl1Click", Make<TEnableMethodForm>());
  RegisterDedicatedDialog("ServerInformation1Click", Make<TServerInformationForm>());
  RegisterDedicatedDialog("ServerControl1Click", Make<TfrmACCServerCtrl>());
  RegisterDedicatedDialog("RadiusServerTabl1Click", Make<TRadiusServerForm>());
  RegisterDedicatedDialog("SSLManagement1Click", Make<TSSLManagementForm>());
  RegisterDedicatedDialog("SSLCertificateLevel1Click", Make<TCertificateFileForm>());
  RegisterDedicatedDialog("ProtectControl1Click", Make<TSafeguardCtrlForm>());
  RegisterDedicatedDialog("BindingTable1Click", Make<TIPMACBindingForm>());
  // ---- Multicast and miscellaneous dialogs.
  RegisterDedicatedDialog("dot3ControlTable1Click", Make<Tdot3ControlForm>());
  RegisterDedicatedDialog("dot3PauseTable1Click", Make<Tdot3PauseForm>());
  RegisterDedicatedDialog("AgentSuportedUpdateFiles1Click", Make<TfrmAgentSupportedUpdateFiles>());
  RegisterDedicatedDialog("IGMPMulticastVLANTable1Click", Make<TISMVLANForm>());
  RegisterDedicatedDialog("IGMPMulticastVLANGroup1Click", Make<TIGMPMulticastVlanForm>());
  RegisterDedicatedDialog("IGMPSnoopingClearDynamicIPMulticastTable1Click", Make<TIGMPSnoopingClearDnyIpMultForm>());
  RegisterDedicatedDialog("MLDSnoopingGroupInformation1Click", Make<TMLD_SnoopingGroupForm>());
  RegisterDedicatedDialog("Control1Click", Make<TBOOTCtrlTableForm>());
  RegisterDedicatedDialog("MemberSwitch1Click", Make<TMSInformationForm>());
  RegisterDedicatedDialog("MulticastInformation1Click", Make<TMulticastFilterInformationForm>());
  RegisterDedicatedDialog("UnicastInformation1Click", Make<TUnicastFilterInformationForm>());
  RegisterDedicatedDialog("PortCapbility1Click", Make<TPortCapabilities8021dForm>());
  RegisterDedicatedDialog("DiagnosticsInformation1Click", Make<TDiagnosticsInformationForm>());
  RegisterDedicatedDialog("StatisticTable1Click", Make<TMacStatisticTableForm>());
  // ---- end of the multicast and miscellaneous dialogs.

  // ---- "Help"
  RegisterDedicatedDialog("About1Click", Make<TAboutForm>());
}
