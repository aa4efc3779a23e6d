// The simulated switch's agent side: the handler that serves the object store
// through net-snmp's agent library, the live front-panel LED string, and the
// fault injection used by the tests.
#pragma once

#include "SimStore.h"

#include <string>
#include <utility>
#include <vector>

namespace vnsim {

struct Faults
{
    double dropPercent = 0;
    int delayMs = 0;
    std::vector<std::pair<Oid, int>> errors; // an OID (or subtree) answered with an error status
    std::vector<Oid> loopColumns;            // a column whose GET-NEXT answers do not increase
};

// Subtrees the store serves; everything else belongs to net-snmp's own modules.
const std::vector<Oid>& ServedSubtrees();

// The OID of swL2DevInfoFrontPanelLedStatus.0.
const Oid& LedStatusOid();
// The LED string for the given moment (seconds since the agent started).
std::string LedStatus(const Store& store, long seconds);

// Fills the community table with the communities the agent accepts.
void SetCommunities(Store& store, const std::vector<std::string>& communities, const std::string& engineId);

// Registers the store's handler on every served subtree.
void RegisterStore(Store* store, const Faults* faults);

// Wraps the agent's packet callback: request logging, drops and delays.
void InstallPacketHook(bool verbose, const Faults* faults);
// Frees requests still waiting for their delayed answer.
void DropDelayedRequests();

// Error-status name or number to its number; -1 when unknown.
int ErrorStatusFromText(const std::string& text);

} // namespace vnsim
