#include "dialogs/RegisterDialogs.h"

#include <QDialog>
#include <type_traits>

#include "app/MenuBar.h"
#include "dialogs/basic/NetworkTimeUnit.h"
#include "dialogs/basic/SMTPControlUnit.h"
#include "dialogs/basic/SummerTimeUnit.h"
#include "dialogs/basic/SystemLogServerUnit.h"
#include "dialogs/help/AboutForm.h"
#include "dialogs/layer2/TimeRangeUnit.h"
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
