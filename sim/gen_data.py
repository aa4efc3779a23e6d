#!/usr/bin/env python3
"""Writes sim/vn2400.data, the built-in state of the simulated VN-2400 switch.

Run it from anywhere: python3 sim/gen_data.py. The data file it writes is
committed; edit the tables here and run it again rather than editing the data
file by hand, so that the two stay in step.

Data file format (read by sim/SimStore.cpp):
  # comment
  %column OID TYPE ACCESS DEFAULT [FLAGS...]
      declares a table column (OID = entry.column) or a scalar (OID without .0):
      the value a row made by createAndGo gets (DEFAULT; "-" none, "$N" the N-th
      sub-identifier of the row's instance), and what a write may carry:
      rowstatus           the table's RowStatus column (createAndGo, createAndWait,
                          active, notInService, destroy)
      create              writing this column to a missing row creates the row
      destroy=N           writing N to this column removes the row
      enum=A,B,...        the values an INTEGER may take (else wrongValue)
      range=LO..HI        the range of an INTEGER (else wrongValue)
      size=LO..HI         the length of a STRING (else wrongLength)
  OID TYPE ACCESS VALUE
      one object, sorted by OID. TYPE: INTEGER STRING OID IPADDRESS COUNTER
      GAUGE TIMETICKS COUNTER64; ACCESS: ro or rw; a STRING is "text" (with \\"
      \\\\ \\xHH escapes) or 0xHEX.

Port lists are 8 octets read as one 64-bit big-endian number in which port p
is bit p - 1 (port 1 is the least significant bit of the last octet).
"""

import hashlib
import os

PORTS = 28
ENT = '1.3.6.1.4.1.98762'
SWL2 = ENT + '.11.63.6.2'
MAC_BASE = [0x00, 0x1B, 0x21, 0x5A, 0x40, 0x00]  # the switch's own address

# Enumerations of the generated windows, by tag: the values a write may carry.
ENUMS = {
    'E1': [1, 2, 3, 4],  # other standard proprietary experiment
    'E2': [2],  # console
    'E3': [3, 4],  # warm-start no-reset
    'E4': [1, 2, 3, 4],  # other cfg log all
    'E5': [2, 3, 4],  # disabled bootp dhcp
    'E6': [1, 2],  # true false
    'E7': [1, 2],  # enabled disabled
    'E8': [2, 3],  # disabled enabled
    'E9': [1, 2, 3, 4],  # unknown transparent-only sourceroute-only srt
    'E10': [1, 2, 3, 4, 5],  # other invalid learned self mgmt
    'E11': [1, 2, 3, 4, 5],  # other volatile nonVolatile permanent readOnly
    'E12': [1, 2, 3, 4, 5, 6],  # active notInService notReady createAndGo createAndWait destroy
    'E13': [1, 2, 3],  # noAuthNoPriv authNoPriv authPriv
    'E14': [5975547, 5975573, 5975598],  # None MD5 SHA
    'E15': [5975623, 5975649],  # None DES
    'E16': [1, 2],  # exact prefix
    'E17': [1, 2],  # included excluded
    'E18': [1, 2],  # trap inform
    'E19': [2, 4],  # authProtocolLocal authProtocolRadiusEap
    'E20': [1, 2],  # portBase macBase
    'E21': [1, 2, 3, 4, 5, 6, 7, 8, 9],  # initialize disconnected connecting authenticating authenticated aborting held forceAuth forceUnauth
    'E22': [1, 2, 3, 4, 5, 6, 7],  # request response success fail timeout idle initialize
    'E23': [0, 1],  # both in
    'E24': [1, 2],  # authorized unauthorized
    'E25': [1, 2, 3],  # forceUnauthorized auto forceAuthorized
    'E26': [1, 2],  # remoteAuthServer localAuthServer
    'E27': [1, 2, 3, 4, 5, 6, 7, 999],  # supplicantLogoff portFailure supplicantRestart reauthFailed authControlForceUnauth portReInit portAdminDisabled notTerminatedYet
    'E28': [0, 10, 30, 60],  # never ten-min thirty-min sixty-min
    'E29': [1, 2, 3],  # other link-pass link-fail
    'E30': [1, 2, 3, 4, 5, 6, 7],  # auto half-10Mbps full-10Mbps half-100Mbps full-100Mbps half-1Gigabps full-1Gigabps
    'E31': [100, 101],  # copper fiber
    'E32': [1, 2, 3, 4, 5, 6, 7, 8],  # nway-auto nway-disabled-10Mbps-Half nway-disabled-10Mbps-Full nway-disabled-100Mbps-Half nway-disabled-100Mbps-Full nway-disabled-1Gigabps-Full nway-disabled-1Gigabps-Full-Master nway-disabled-1Gigabps-Full-Slave
    'E33': [2, 3],  # forward-unregistered-groups filter-unregistered-groups
    'E34': [2, 3, 4],  # mac-source mac-destination mac-source-dest
    'E35': [2, 3],  # querier non-querier
    'E36': [2, 3],  # disable enable
    'E37': [1, 2, 3],  # cs cas ms
    'E38': [1, 2, 3, 4, 5, 6],  # tacacs xtacacs tacacs-plus radius none other
    'E39': [1, 4, 6],  # active createAndGo destroy
    'E40': [1, 2, 3],  # commander candidate member
    'E41': [0, 1],  # cist msti
    'E42': [0, 1, 2],  # true false auto
    'E43': [1, 2, 3, 4, 5, 6, 7, 8],  # other disabled discarding learning forwarding broken no-stp-enabled err-disabled
    'E44': [0, 1, 2, 3, 4, 5, 6, 7],  # disable alternate backup root designated master nonstp loopback
    'E45': [1, 2, 3],  # time-interval on-demand log-trigger
    'E46': [1, 2],  # other start
    'E47': [1, 2, 3],  # running warmBoot coldBoot
    'E48': [2, 3],  # enable disable
    'E49': [1, 2],  # disabled enabled
    'E50': [1, 2],  # shutdown drop
    'E51': [1, 2],  # yes no
    'E52': [2, 3],  # bits-7 bits-8
    'E53': [2, 3],  # stopbits-1 stopbits-2
    'E54': [1, 2, 3],  # none odd even
    'E55': [2, 3, 4, 5, 6, 7],  # baudRate-2400 baudRate-9600 baudRate-19200 baudRate-38400 baudRate-57200 baudRate-115200
    'E56': [1, 2, 3, 4, 5],  # never two-minutes five-minutes ten-minutes fifteen-minutes
    'E57': [1, 2, 3],  # success failed in-processing
    'E58': [1, 2, 3],  # acctServiceIndex-network acctServiceIndex-exec acctServiceIndex-system
    'E59': [1, 2],  # swRadiusAcctServiceMethodNone swRadiusAcctServiceMethodRadius
    'E60': [1, 2, 3],  # radiusAcctServiceModeNone radiusAcctServiceModeStartStop radiusAcctServiceModeStopOnly
    'E61': [1, 2, 3, 4],  # other reboot save-config-and-reboot reboot-and-load-factory-default-config
    'E62': [1, 2],  # normal active
    'E63': [1, 2, 3],  # other enable disable
    'E64': [1, 2],  # other err-disabled
    'E65': [1, 2],  # stp-lbd storm-control
    'E66': [2, 3, 4],  # permanent deleteOnTimeout deleteOnReset
    'E67': [1, 2, 3],  # replace drop keep
    'E68': [1, 2, 3],  # disable Ethernet 802.1P MAC-Based
    'E69': [1, 2, 3],  # disable tos dscp
    'E70': [1, 2],  # valid invalid
    'E71': [1, 2],  # denyNextPort denyLowPriorityPort
    'E72': [1, 2],  # power-limit auto
    'E73': [1, 2, 3],  # critical high low
    'E74': [1, 2, 3, 4, 5],  # class0 class1 class2 class3 user-defined
    'E75': [1, 2, 3],  # on off error
    'E76': [1, 2, 3, 4],  # other snmp-ip snmp-ipx snmp-ip-ipx
    'E77': [1, 2, 3],  # other in-use not-in-use
    'E78': [0, 1],  # not-supported supported
    'E79': [1, 2, 16],  # ipv4 ipv6 dns
    'E80': [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11],  # responseReceived unknown internalError requestTimedOut unknownDestinationAddress noRouteToTarget interfaceInactiveToTarget arpFailure maxConcurrentLimitReached unableToResolveDnsName invalidHostAddress
}

# Variables of the generated windows, per menu handler: (handler, base OID, list
# kind, index count, [(OID or None for an index without an OID of its own, syntax
# code, access i/j/r/w, enumeration tag)]).
WINDOWS = [
    ('MibCapabilities1Click', '1.3.6.1.4.1.98762.12.1.1.2.1', 2, 1, [
        ('1.3.6.1.4.1.98762.12.1.1.2.1.1', 2, 'i', None),  # Index
        ('1.3.6.1.4.1.98762.12.1.1.2.1.2', 76, 'r', None),  # Description
        ('1.3.6.1.4.1.98762.12.1.1.2.1.3', 2, 'r', None),  # Version
        ('1.3.6.1.4.1.98762.12.1.1.2.1.4', 2, 'r', 'E1'),  # Type
    ]),
    ('BasicConfigure1Click', '1.3.6.1.4.1.98762.12.1.2', 0, 0, [
        ('1.3.6.1.4.1.98762.12.1.2.4', 2, 'r', 'E2'),  # RS232 Port
        ('1.3.6.1.4.1.98762.12.1.2.3', 2, 'w', 'E3'),  # System Reset
        ('1.3.6.1.4.1.98762.12.1.2.6', 2, 'w', 'E4'),  # Save
        ('1.3.6.1.4.1.98762.12.1.3.3', 2, 'w', 'E5'),  # Get IP From
    ]),
    ('CpuUtilization1Click', '1.3.6.1.4.1.98762.12.1.1.6', 0, 0, [
        ('1.3.6.1.4.1.98762.12.1.1.6.1', 2, 'r', None),  # CPU Utilization In 5sec
        ('1.3.6.1.4.1.98762.12.1.1.6.2', 2, 'r', None),  # CPU Utilization In 1min
        ('1.3.6.1.4.1.98762.12.1.1.6.3', 2, 'r', None),  # CPU Utilization In 5min
    ]),
    ('CurrentTime1Click', '1.3.6.1.4.1.98762.12.10.10', 0, 0, [
        ('1.3.6.1.4.1.98762.12.10.3', 2, 'r', 'E6'),  # Clock Reset On Reboot
        ('1.3.6.1.4.1.98762.12.10.10.1', 76, 'r', None),  # Current Time
        ('1.3.6.1.4.1.98762.12.10.10.2', 76, 'r', None),  # System Up Time
        ('1.3.6.1.4.1.98762.12.10.10.3', 76, 'r', None),  # System Boot Time
        ('1.3.6.1.4.1.98762.12.10.10.4', 2, 'w', None),  # System Time Zone [ -779..839]
    ]),
    ('IFXTable1Click', '1.3.6.1.2.1.31.1.1.1', 3, 1, [
        ('1.3.6.1.2.1.2.2.1.1', 2, 'i', None),  # IF Index
        ('1.3.6.1.2.1.31.1.1.1.1', 76, 'r', None),  # Name
        ('1.3.6.1.2.1.31.1.1.1.2', 65, 'r', None),  # Multicast Packets Received
        ('1.3.6.1.2.1.31.1.1.1.3', 65, 'r', None),  # Broadcast Packets Received
        ('1.3.6.1.2.1.31.1.1.1.4', 65, 'r', None),  # Multicast Packets Sended
        ('1.3.6.1.2.1.31.1.1.1.5', 65, 'r', None),  # Broadcast Packets Sended
        ('1.3.6.1.2.1.31.1.1.1.6', 70, 'r', None),  # Octets Received
        ('1.3.6.1.2.1.31.1.1.1.7', 70, 'r', None),  # Unicast Packets Received
        ('1.3.6.1.2.1.31.1.1.1.8', 70, 'r', None),  # Multicast Packets Received
        ('1.3.6.1.2.1.31.1.1.1.9', 70, 'r', None),  # Broadcast Packets Received
        ('1.3.6.1.2.1.31.1.1.1.10', 70, 'r', None),  # Octets Sended
        ('1.3.6.1.2.1.31.1.1.1.11', 70, 'r', None),  # Unicast Packets Sended
        ('1.3.6.1.2.1.31.1.1.1.12', 70, 'r', None),  # Multicast Packets Sended
        ('1.3.6.1.2.1.31.1.1.1.13', 70, 'r', None),  # Broadcast Packets Sended
        ('1.3.6.1.2.1.31.1.1.1.14', 2, 'w', 'E7'),  # Link Up Down Trap State
        ('1.3.6.1.2.1.31.1.1.1.15', 66, 'r', None),  # High Speed
        ('1.3.6.1.2.1.31.1.1.1.16', 2, 'r', 'E6'),  # Promiscuous Mode
        ('1.3.6.1.2.1.31.1.1.1.17', 2, 'r', 'E6'),  # Connector Present
        ('1.3.6.1.2.1.31.1.1.1.18', 76, 'w', None),  # Alias
        ('1.3.6.1.2.1.31.1.1.1.19', 67, 'r', None),  # Discontinuity Time Count
    ]),
    ('RMONSetting1Click', '1.3.6.1.4.1.98762.11.63.6.2.1.2', 0, 0, [
        ('1.3.6.1.4.1.98762.11.63.6.2.1.2.16', 2, 'w', 'E8'),  # RMON State
    ]),
    ('Information1Click', '1.3.6.1.2.1.17.1', 0, 0, [
        ('1.3.6.1.2.1.17.1.1', 73, 'r', None),  # Bridge Address
        ('1.3.6.1.2.1.17.1.2', 2, 'r', None),  # Number Ports
        ('1.3.6.1.2.1.17.1.3', 2, 'r', 'E9'),  # Bridge Type
        ('1.3.6.1.2.1.17.4.1', 65, 'r', None),  # Learned Entry Discards
        ('1.3.6.1.2.1.17.4.2', 2, 'w', None),  # MAC Address Aging Time (10-1000000 sec)
    ]),
    ('PortTable1Click', '1.3.6.1.2.1.17.1.4.1', 2, 1, [
        ('1.3.6.1.2.1.17.1.4.1.1', 2, 'i', None),  # Index
        ('1.3.6.1.2.1.17.1.4.1.2', 2, 'r', None),  # IF Index
        ('1.3.6.1.2.1.17.1.4.1.3', 6, 'r', None),  # Circuit
        ('1.3.6.1.2.1.17.1.4.1.4', 65, 'r', None),  # Delay Exceeded Discards
        ('1.3.6.1.2.1.17.1.4.1.5', 65, 'r', None),  # Maximum Transmission Unit Exceeded Discards
    ]),
    ('DefaultUserPrioritiesofEachPort1Click', '1.3.6.1.2.1.17.6.1.2.1.1', 2, 1, [
        (None, 2, 'i', None),  # Port
        ('1.3.6.1.2.1.17.6.1.2.1.1.1', 2, 'w', None),  # Default User Priority
        ('1.3.6.1.2.1.17.6.1.2.1.1.2', 2, 'r', None),  # Number Traffic Classes
    ]),
    ('RegeneratedUserPriorities1Click', '1.3.6.1.2.1.17.6.1.2.2.1', 2, 2, [
        (None, 2, 'i', None),  # Port
        ('1.3.6.1.2.1.17.6.1.2.2.1.1', 2, 'i', None),  # User Priority
        ('1.3.6.1.2.1.17.6.1.2.2.1.2', 2, 'w', None),  # Regenerated User Priority
    ]),
    ('UserPrioritiesToTrafficClass1Click', '1.3.6.1.2.1.17.6.1.2.3.1', 2, 2, [
        (None, 2, 'i', None),  # Port
        ('1.3.6.1.2.1.17.6.1.2.3.1.1', 2, 'i', None),  # Traffic Class Priority
        ('1.3.6.1.2.1.17.6.1.2.3.1.2', 2, 'w', None),  # Traffic Class
    ]),
    ('PortOutboundAccessPriorities1Click', '1.3.6.1.2.1.17.6.1.2.4.1', 2, 2, [
        (None, 2, 'i', None),  # Port
        (None, 2, 'i', None),  # Regenerated User Priority
        ('1.3.6.1.2.1.17.6.1.2.4.1.1', 2, 'r', None),  # Outbound Access Priority
    ]),
    ('UnicastForwardingInformation1Click', '1.3.6.1.2.1.17.7.1.2.2.1', 3, 2, [
        (None, 66, 'i', None),  # FDB ID
        ('1.3.6.1.2.1.17.7.1.2.2.1.1', 73, 'i', None),  # Address
        ('1.3.6.1.2.1.17.7.1.2.2.1.2', 2, 'r', None),  # Port
        ('1.3.6.1.2.1.17.7.1.2.2.1.3', 2, 'r', 'E10'),  # Status
    ]),
    ('snmpEngine1Click', '1.3.6.1.6.3.10.2.1', 0, 0, [
        ('1.3.6.1.6.3.10.2.1.1', 4, 'r', None),  # Engine ID
        ('1.3.6.1.6.3.10.2.1.2', 2, 'r', None),  # Engine Boot Numbers
        ('1.3.6.1.6.3.10.2.1.3', 2, 'r', None),  # Engine Time
        ('1.3.6.1.6.3.10.2.1.4', 2, 'r', None),  # Engine Max Message Size
    ]),
    ('MessageProcessingandDispatching1Click', '1.3.6.1.6.3.11.2.1', 0, 0, [
        ('1.3.6.1.6.3.11.2.1.1', 65, 'r', None),  # Unknown Security Models
        ('1.3.6.1.6.3.11.2.1.2', 65, 'r', None),  # Invalid Message
        ('1.3.6.1.6.3.11.2.1.3', 65, 'r', None),  # Unknown PDU Handlers
    ]),
    ('GeneralInformation1Click', '1.3.6.1.6.3.12.1', 0, 0, [
        ('1.3.6.1.6.3.12.1.1', 2, 'w', None),  # Target Spin Lock
        ('1.3.6.1.6.3.12.1.4', 65, 'r', None),  # Unavailable Contexts
        ('1.3.6.1.6.3.12.1.5', 65, 'r', None),  # Unknown Contexts
    ]),
    ('CommunityTargetAddressTableClick', '1.3.6.1.6.3.12.1.2.1', 3, 1, [
        ('1.3.6.1.6.3.12.1.2.1.1', 76, 'j', None),  # Address Name
        ('1.3.6.1.6.3.12.1.2.1.2', 6, 'w', None),  # Address TDomain
        ('1.3.6.1.6.3.12.1.2.1.3', 3, 'w', None),  # Address TAddress
        ('1.3.6.1.6.3.12.1.2.1.4', 2, 'w', None),  # Address Timeout
        ('1.3.6.1.6.3.12.1.2.1.5', 2, 'w', None),  # Address Retry Count
        ('1.3.6.1.6.3.12.1.2.1.6', 76, 'w', None),  # Address Tag List
        ('1.3.6.1.6.3.12.1.2.1.7', 76, 'w', None),  # Address Params
        ('1.3.6.1.6.3.12.1.2.1.8', 2, 'w', 'E11'),  # Address Storage Type
        ('1.3.6.1.6.3.12.1.2.1.9', 2, 'w', 'E12'),  # Row Status
    ]),
    ('TargetParameters1Click', '1.3.6.1.6.3.12.1.3.1', 3, 1, [
        ('1.3.6.1.6.3.12.1.3.1.1', 76, 'j', None),  # Name
        ('1.3.6.1.6.3.12.1.3.1.2', 2, 'w', None),  # MP Model
        ('1.3.6.1.6.3.12.1.3.1.3', 2, 'w', None),  # Security Model
        ('1.3.6.1.6.3.12.1.3.1.4', 76, 'w', None),  # Securit yName
        ('1.3.6.1.6.3.12.1.3.1.5', 2, 'w', 'E13'),  # Security Level
        ('1.3.6.1.6.3.12.1.3.1.6', 2, 'w', 'E11'),  # StorageType
        ('1.3.6.1.6.3.12.1.3.1.7', 2, 'w', 'E12'),  # Row Status
    ]),
    ('Statistics2Click', '1.3.6.1.6.3.15.1.1', 0, 0, [
        ('1.3.6.1.6.3.15.1.1.1', 65, 'r', None),  # Unsupported Security Level Packets
        ('1.3.6.1.6.3.15.1.1.2', 65, 'r', None),  # Not InTime Window Packets
        ('1.3.6.1.6.3.15.1.1.3', 65, 'r', None),  # Unknown User Name Packets
        ('1.3.6.1.6.3.15.1.1.4', 65, 'r', None),  # Unknown EngineID Packets
        ('1.3.6.1.6.3.15.1.1.5', 65, 'r', None),  # Wrong Digest Packets
        ('1.3.6.1.6.3.15.1.1.6', 65, 'r', None),  # Decryption Error Packets
    ]),
    ('UserTable1Click', '1.3.6.1.6.3.15.1.2.2.1', 3, 2, [
        ('1.3.6.1.6.3.15.1.2.2.1.1', 4, 'i', None),  # Engine ID
        ('1.3.6.1.6.3.15.1.2.2.1.2', 76, 'i', None),  # User Name
        ('1.3.6.1.6.3.15.1.2.2.1.3', 76, 'r', None),  # Security Name
        ('1.3.6.1.6.3.15.1.2.2.1.4', 6, 'w', None),  # Clone From
        ('1.3.6.1.6.3.15.1.2.2.1.5', 6, 'w', 'E14'),  # Authentication Protocol
        ('1.3.6.1.6.3.15.1.2.2.1.6', 76, 'w', None),  # Authentication Key Change
        ('1.3.6.1.6.3.15.1.2.2.1.7', 76, 'w', None),  # Own Authentication Key Change
        ('1.3.6.1.6.3.15.1.2.2.1.8', 6, 'w', 'E15'),  # Privacy Protocol
        ('1.3.6.1.6.3.15.1.2.2.1.9', 76, 'w', None),  # Privacy Key Change
        ('1.3.6.1.6.3.15.1.2.2.1.10', 76, 'w', None),  # Own Privacy Key Change
        ('1.3.6.1.6.3.15.1.2.2.1.11', 76, 'w', None),  # Public
        ('1.3.6.1.6.3.15.1.2.2.1.12', 2, 'w', 'E11'),  # Storage Type
        ('1.3.6.1.6.3.15.1.2.2.1.13', 2, 'w', 'E12'),  # Status
    ]),
    ('SecurityTable1Click', '1.3.6.1.6.3.16.1.2.1', 3, 2, [
        ('1.3.6.1.6.3.16.1.2.1.1', 2, 'i', None),  # Security Model
        ('1.3.6.1.6.3.16.1.2.1.2', 76, 'i', None),  # Security Name
        ('1.3.6.1.6.3.16.1.2.1.3', 76, 'w', None),  # Group Name
        ('1.3.6.1.6.3.16.1.2.1.4', 2, 'w', 'E11'),  # Security Group Storage Type
        ('1.3.6.1.6.3.16.1.2.1.5', 2, 'w', 'E12'),  # Security Group Status
    ]),
    ('AccessTable1Click', '1.3.6.1.6.3.16.1.4.1', 3, 4, [
        ('1.3.6.1.6.3.16.1.2.1.3', 76, 'i', None),  # Group Name
        ('1.3.6.1.6.3.16.1.4.1.1', 76, 'i', None),  # Access Context Prefix
        ('1.3.6.1.6.3.16.1.4.1.2', 2, 'i', None),  # Access Security Model
        ('1.3.6.1.6.3.16.1.4.1.3', 2, 'i', 'E13'),  # Access Security Level
        ('1.3.6.1.6.3.16.1.4.1.4', 2, 'w', 'E16'),  # Access Context Match
        ('1.3.6.1.6.3.16.1.4.1.5', 76, 'w', None),  # Access Read View Name
        ('1.3.6.1.6.3.16.1.4.1.6', 76, 'w', None),  # Access Write View Name
        ('1.3.6.1.6.3.16.1.4.1.7', 76, 'w', None),  # Access Notify View Name
        ('1.3.6.1.6.3.16.1.4.1.8', 2, 'w', 'E11'),  # Access Storage Type
        ('1.3.6.1.6.3.16.1.4.1.9', 2, 'w', 'E12'),  # Access Status
    ]),
    ('ViewTable1Click', '1.3.6.1.6.3.16.1.5.2.1', 3, 2, [
        ('1.3.6.1.6.3.16.1.5.2.1.1', 76, 'i', None),  # VACM View Tree Family ViewName
        ('1.3.6.1.6.3.16.1.5.2.1.2', 6, 'i', None),  # VACM View Tree Family Subtree
        ('1.3.6.1.6.3.16.1.5.2.1.3', 76, 'w', None),  # VACM View Tree Family Mask
        ('1.3.6.1.6.3.16.1.5.2.1.4', 2, 'w', 'E17'),  # VACM View Tree Family Type
        ('1.3.6.1.6.3.16.1.5.2.1.5', 2, 'w', 'E11'),  # VACM View Tree Family Storage Type
        ('1.3.6.1.6.3.16.1.5.2.1.6', 2, 'w', 'E12'),  # VACM
    ]),
    ('NotifyTable1Click', '1.3.6.1.6.3.13.1.1.1', 3, 1, [
        ('1.3.6.1.6.3.13.1.1.1.1', 76, 'j', None),  # Name
        ('1.3.6.1.6.3.13.1.1.1.2', 76, 'w', None),  # Tag
        ('1.3.6.1.6.3.13.1.1.1.3', 2, 'w', 'E18'),  # Type
        ('1.3.6.1.6.3.13.1.1.1.4', 2, 'w', 'E11'),  # Storage Type
        ('1.3.6.1.6.3.13.1.1.1.5', 2, 'w', 'E12'),  # Row Status
    ]),
    ('NotifyFilterProfileTale1Click', '1.3.6.1.6.3.13.1.2.1', 3, 1, [
        ('1.3.6.1.6.3.12.1.3.1.1', 76, 'j', None),  # Target Params Name
        ('1.3.6.1.6.3.13.1.2.1.1', 76, 'w', None),  # Notify Filter Profile Name
        ('1.3.6.1.6.3.13.1.2.1.2', 2, 'w', 'E11'),  # Notify Filter Profile Stor Type
        ('1.3.6.1.6.3.13.1.2.1.3', 2, 'w', 'E12'),  # Notify Filter Profile Row Status
    ]),
    ('NotifyFilterEntryTable1Click', '1.3.6.1.6.3.13.1.3.1', 3, 2, [
        ('1.3.6.1.6.3.13.1.2.1.1', 76, 'i', None),  # Notify Filter Profile Name
        ('1.3.6.1.6.3.13.1.3.1.1', 6, 'j', None),  # Notify Filter Subtree
        ('1.3.6.1.6.3.13.1.3.1.2', 76, 'w', None),  # Notify Filter Mask
        ('1.3.6.1.6.3.13.1.3.1.3', 2, 'w', 'E17'),  # Notify Filter Type
        ('1.3.6.1.6.3.13.1.3.1.4', 2, 'w', 'E11'),  # Notify Filter Storage Type
        ('1.3.6.1.6.3.13.1.3.1.5', 2, 'w', 'E12'),  # Notify Filter Row Status
    ]),
    ('CommunityStringTable1Click', '1.3.6.1.6.3.18.1.1.1', 3, 1, [
        ('1.3.6.1.6.3.18.1.1.1.1', 76, 'j', None),  # Index
        ('1.3.6.1.6.3.18.1.1.1.2', 76, 'w', None),  # Name
        ('1.3.6.1.6.3.18.1.1.1.3', 76, 'w', None),  # Security Name
        ('1.3.6.1.6.3.18.1.1.1.4', 4, 'w', None),  # Context Engine ID
        ('1.3.6.1.6.3.18.1.1.1.5', 76, 'w', None),  # Context Name
        ('1.3.6.1.6.3.18.1.1.1.6', 76, 'w', None),  # Transport Tag
        ('1.3.6.1.6.3.18.1.1.1.7', 2, 'w', 'E11'),  # Storage Type
        ('1.3.6.1.6.3.18.1.1.1.8', 2, 'w', 'E12'),  # Status
    ]),
    ('TargetAddressTable1Click', '1.3.6.1.6.3.18.1.2.1', 3, 1, [
        ('1.3.6.1.6.3.12.1.2.1.1', 76, 'j', None),  # Target Address Name
        ('1.3.6.1.6.3.18.1.2.1.1', 76, 'w', None),  # Target Address TMask
        ('1.3.6.1.6.3.18.1.2.1.2', 2, 'w', None),  # Target Address MMS
    ]),
    ('Auth1Click', '1.3.6.1.4.1.98762.12.3.1', 0, 0, [
        ('1.3.6.1.4.1.98762.12.3.1.1', 2, 'w', 'E19'),  # Auth Protocol
        ('1.3.6.1.4.1.98762.12.3.1.2', 2, 'w', 'E20'),  # Auth Mode
    ]),
    ('Configuration2Click', '1.0.8802.1.1.1.1.1', 0, 0, [
        ('1.0.8802.1.1.1.1.1.1', 2, 'w', 'E7'),  # System Auth Control
    ]),
    ('PortAuthenticationConfiguration1Click', '1.0.8802.1.1.1.1.2.1.1', 3, 1, [
        (None, 2, 'i', None),  # Port Number
        ('1.0.8802.1.1.1.1.2.1.1.1', 2, 'r', 'E21'),  # PAE State
        ('1.0.8802.1.1.1.1.2.1.1.2', 2, 'r', 'E22'),  # Backend Auth State
        ('1.0.8802.1.1.1.1.2.1.1.3', 2, 'w', 'E23'),  # Admin Controlled Directions
        ('1.0.8802.1.1.1.1.2.1.1.4', 2, 'r', 'E23'),  # Operation Controlled Directions
        ('1.0.8802.1.1.1.1.2.1.1.5', 2, 'r', 'E24'),  # Port Status
        ('1.0.8802.1.1.1.1.2.1.1.6', 2, 'w', 'E25'),  # Port Control
        ('1.0.8802.1.1.1.1.2.1.1.7', 66, 'w', None),  # Quiet Period
        ('1.0.8802.1.1.1.1.2.1.1.8', 66, 'w', None),  # Tx Period
        ('1.0.8802.1.1.1.1.2.1.1.9', 66, 'w', None),  # Supp Timeout
        ('1.0.8802.1.1.1.1.2.1.1.10', 66, 'w', None),  # Server Timeout
        ('1.0.8802.1.1.1.1.2.1.1.11', 66, 'w', None),  # Max Req
        ('1.0.8802.1.1.1.1.2.1.1.12', 66, 'w', None),  # Re Auth Period
        ('1.0.8802.1.1.1.1.2.1.1.13', 2, 'w', 'E6'),  # Re Auth Enabled
        ('1.0.8802.1.1.1.1.2.1.1.14', 2, 'w', 'E6'),  # Key Tx Enabled
    ]),
    ('Diagnostics1Click', '1.0.8802.1.1.1.1.2.3.1', 3, 1, [
        (None, 2, 'i', None),  # Port Number
        ('1.0.8802.1.1.1.1.2.3.1.1', 65, 'r', None),  # Enters Connecting
        ('1.0.8802.1.1.1.1.2.3.1.2', 65, 'r', None),  # Eap Logoffs While Connecting
        ('1.0.8802.1.1.1.1.2.3.1.3', 65, 'r', None),  # Enters Authenticating
        ('1.0.8802.1.1.1.1.2.3.1.4', 65, 'r', None),  # Auth Success While Authenticating
        ('1.0.8802.1.1.1.1.2.3.1.5', 65, 'r', None),  # Auth Timeouts While Authenticating
        ('1.0.8802.1.1.1.1.2.3.1.6', 65, 'r', None),  # Auth Fail While Authenticating
        ('1.0.8802.1.1.1.1.2.3.1.7', 65, 'r', None),  # Auth Reauths While Authenticating
        ('1.0.8802.1.1.1.1.2.3.1.8', 65, 'r', None),  # Auth Eap Starts While Authenticating
        ('1.0.8802.1.1.1.1.2.3.1.9', 65, 'r', None),  # Auth Eap Logoff While Authenticating
        ('1.0.8802.1.1.1.1.2.3.1.10', 65, 'r', None),  # Auth Reauths While Authenticated
        ('1.0.8802.1.1.1.1.2.3.1.11', 65, 'r', None),  # Auth Eap Starts While Authenticated
        ('1.0.8802.1.1.1.1.2.3.1.12', 65, 'r', None),  # Auth Eap Logoff While Authenticated
        ('1.0.8802.1.1.1.1.2.3.1.13', 65, 'r', None),  # Backend Responses
        ('1.0.8802.1.1.1.1.2.3.1.14', 65, 'r', None),  # Backend Access Challenges
        ('1.0.8802.1.1.1.1.2.3.1.15', 65, 'r', None),  # Backend Other Requests To Supplicant
        ('1.0.8802.1.1.1.1.2.3.1.16', 65, 'r', None),  # Backend Non Nak Responses From Supplicant
        ('1.0.8802.1.1.1.1.2.3.1.17', 65, 'r', None),  # Backend Auth Successes
        ('1.0.8802.1.1.1.1.2.3.1.18', 65, 'r', None),  # Backend Auth Fails
    ]),
    ('PortSessionStatistics1Click', '1.0.8802.1.1.1.1.2.4.1', 2, 1, [
        (None, 2, 'i', None),  # Port Number
        ('1.0.8802.1.1.1.1.2.4.1.1', 70, 'r', None),  # Auth Session Octets Rx
        ('1.0.8802.1.1.1.1.2.4.1.2', 70, 'r', None),  # Auth Session Octets Tx
        ('1.0.8802.1.1.1.1.2.4.1.3', 65, 'r', None),  # Auth Session Frames Rx
        ('1.0.8802.1.1.1.1.2.4.1.4', 65, 'r', None),  # Auth Session Frames Tx
        ('1.0.8802.1.1.1.1.2.4.1.5', 76, 'r', None),  # Auth Session ID
        ('1.0.8802.1.1.1.1.2.4.1.6', 2, 'r', 'E26'),  # Auth Session Authentic Method
        ('1.0.8802.1.1.1.1.2.4.1.7', 67, 'r', None),  # Auth Session Time
        ('1.0.8802.1.1.1.1.2.4.1.8', 2, 'r', 'E27'),  # Auth Session Terminate Cause
        ('1.0.8802.1.1.1.1.2.4.1.9', 76, 'r', None),  # Auth Session User Name
    ]),
    ('StateTable1Click', '1.3.6.1.4.1.98762.12.3.6.1.1', 2, 2, [
        ('1.3.6.1.4.1.98762.12.3.6.1.1.1', 73, 'i', None),  # PAE MAC Address
        ('1.3.6.1.4.1.98762.12.3.6.1.1.2', 2, 'i', None),  # PAE Port Number
        ('1.3.6.1.4.1.98762.12.3.6.1.1.3', 2, 'r', 'E21'),  # Auth PAE State
        ('1.3.6.1.4.1.98762.12.3.6.1.1.4', 2, 'r', 'E22'),  # Auth Backend Auth State
        ('1.3.6.1.4.1.98762.12.3.6.1.1.5', 2, 'r', 'E24'),  # Auth Controlled Port Status
    ]),
    ('SessionInformation1Click', '1.3.6.1.4.1.98762.12.3.6.4.1', 2, 2, [
        (None, 76, 'i', None),  # PAE MAC Address
        (None, 2, 'i', None),  # PAE Port Number
        ('1.3.6.1.4.1.98762.12.3.6.4.1.1', 70, 'r', None),  # Auth Session Octets Rx
        ('1.3.6.1.4.1.98762.12.3.6.4.1.2', 70, 'r', None),  # Auth Session Octets Tx
        ('1.3.6.1.4.1.98762.12.3.6.4.1.3', 65, 'r', None),  # Auth Session Frames Rx
        ('1.3.6.1.4.1.98762.12.3.6.4.1.4', 65, 'r', None),  # Auth Session Frames Tx
        ('1.3.6.1.4.1.98762.12.3.6.4.1.5', 76, 'r', None),  # Auth Session ID
        ('1.3.6.1.4.1.98762.12.3.6.4.1.6', 2, 'r', 'E26'),  # Auth Session Authentic Method
        ('1.3.6.1.4.1.98762.12.3.6.4.1.7', 67, 'r', None),  # Auth Session Time
        ('1.3.6.1.4.1.98762.12.3.6.4.1.8', 2, 'r', 'E27'),  # Auth Session Terminate Cause
        ('1.3.6.1.4.1.98762.12.3.6.4.1.9', 76, 'r', None),  # Auth Session User Name
    ]),
    ('AuthenticationServerTable1Click', '1.3.6.1.4.1.98762.12.3.3.3.1', 2, 1, [
        ('1.3.6.1.4.1.98762.12.3.3.3.1.1', 2, 'i', None),  # RADIUS Auth Server Index
        ('1.3.6.1.4.1.98762.12.3.3.3.1.2', 64, 'r', None),  # RADIUS Auth Server Address
        ('1.3.6.1.4.1.98762.12.3.3.3.1.3', 66, 'r', None),  # RADIUS Auth Client Server Port Number
        ('1.3.6.1.4.1.98762.12.3.3.3.1.4', 65, 'r', None),  # RADIUS Auth Client Round Trip Time
        ('1.3.6.1.4.1.98762.12.3.3.3.1.5', 65, 'r', None),  # RADIUS Auth Client Access Requests
        ('1.3.6.1.4.1.98762.12.3.3.3.1.6', 65, 'r', None),  # RADIUS Auth Client Access Retransmissions
        ('1.3.6.1.4.1.98762.12.3.3.3.1.7', 65, 'r', None),  # RADIUS Auth Client Access Accepts
        ('1.3.6.1.4.1.98762.12.3.3.3.1.8', 65, 'r', None),  # RADIUS Auth Client Access Rejects
        ('1.3.6.1.4.1.98762.12.3.3.3.1.9', 65, 'r', None),  # RADIUS Auth Client Access Challenges
        ('1.3.6.1.4.1.98762.12.3.3.3.1.10', 65, 'r', None),  # RADIUS Auth Client Malformed Access Responses
        ('1.3.6.1.4.1.98762.12.3.3.3.1.11', 65, 'r', None),  # RADIUS Auth Client Bad Authenticators
        ('1.3.6.1.4.1.98762.12.3.3.3.1.12', 65, 'r', None),  # RADIUS Auth Client Pending Requests
        ('1.3.6.1.4.1.98762.12.3.3.3.1.13', 65, 'r', None),  # RADIUS Auth Client Timeouts
        ('1.3.6.1.4.1.98762.12.3.3.3.1.14', 65, 'r', None),  # RADIUS Auth Client Unknown Types
        ('1.3.6.1.4.1.98762.12.3.3.3.1.15', 65, 'r', None),  # RADIUS Auth Client Packets Dropped
    ]),
    ('AccountingServerInformation1Click', '1.3.6.1.2.1.67.2.2.1.1', 0, 0, [
        ('1.3.6.1.2.1.67.2.2.1.1.2', 76, 'r', None),  # RADIUS Accounting Table Client Identifier
        ('1.3.6.1.2.1.67.2.2.1.1.1', 65, 'r', None),  # RADIUS Accounting Table Client Invalid Server Addresses
        ('1.3.6.1.4.1.98762.12.3.4.1', 66, 'w', None),  # RADIUS Accounting Table Update Interval
        ('1.3.6.1.4.1.98762.12.3.4.2', 2, 'w', 'E6'),  # RADIUS Accounting Table Suppress Null User Name
    ]),
    ('AccountingServerTable1Click', '1.3.6.1.4.1.98762.12.3.5.3.1', 2, 1, [
        ('1.3.6.1.4.1.98762.12.3.5.3.1.1', 2, 'i', None),  # RADIUS Accounting Table Server Index
        ('1.3.6.1.4.1.98762.12.3.5.3.1.2', 64, 'r', None),  # RADIUS Accounting Table Server Address
        ('1.3.6.1.4.1.98762.12.3.5.3.1.3', 66, 'r', None),  # RADIUS Accounting Table Client Server Port Number
        ('1.3.6.1.4.1.98762.12.3.5.3.1.4', 65, 'r', None),  # RADIUS Accounting Table Client Round Trip Time
        ('1.3.6.1.4.1.98762.12.3.5.3.1.5', 65, 'r', None),  # RADIUS Accounting Table Client Requests
        ('1.3.6.1.4.1.98762.12.3.5.3.1.6', 65, 'r', None),  # RADIUS Accounting Table Client Retransmissions
        ('1.3.6.1.4.1.98762.12.3.5.3.1.7', 65, 'r', None),  # RADIUS Accounting Table Client Responses
        ('1.3.6.1.4.1.98762.12.3.5.3.1.8', 65, 'r', None),  # RADIUS Accounting Table Client Malformed Responses
        ('1.3.6.1.4.1.98762.12.3.5.3.1.9', 65, 'r', None),  # RADIUS Accounting Table Client Bad Authenticators
        ('1.3.6.1.4.1.98762.12.3.5.3.1.10', 65, 'r', None),  # RADIUS Accounting Table Client Pending Requests
        ('1.3.6.1.4.1.98762.12.3.5.3.1.11', 65, 'r', None),  # RADIUS Accounting Table Client Timeouts
        ('1.3.6.1.4.1.98762.12.3.5.3.1.12', 65, 'r', None),  # RADIUS Accounting Table Client Unknown Types
        ('1.3.6.1.4.1.98762.12.3.5.3.1.13', 65, 'r', None),  # RADIUS Accounting Table Client Packets Dropped
    ]),
    ('SSHManagement1Click', '1.3.6.1.4.1.98762.12.6.1', 0, 0, [
        ('1.3.6.1.4.1.98762.12.6.1.1', 2, 'r', None),  # SSH Version
        ('1.3.6.1.4.1.98762.12.6.1.2', 2, 'w', 'E8'),  # SSH Admin
        ('1.3.6.1.4.1.98762.12.6.1.3', 2, 'w', None),  # SSH Max Auth Fail Attempts
        ('1.3.6.1.4.1.98762.12.6.1.4', 2, 'w', 'E28'),  # SSH Session Key Rekeying
        ('1.3.6.1.4.1.98762.12.6.1.5', 2, 'r', None),  # SSH Max Session
        ('1.3.6.1.4.1.98762.12.6.1.6', 2, 'r', None),  # SSH Connection Timeout
        ('1.3.6.1.4.1.98762.12.6.1.7', 2, 'r', None),  # SSH Listened Port
    ]),
    ('EncryptionAlgorithm1Click', '1.3.6.1.4.1.98762.12.6.2.1', 0, 0, [
        ('1.3.6.1.4.1.98762.12.6.2.1.1', 2, 'w', 'E8'),  # Encryption Algorithm 3DES Admin
        ('1.3.6.1.4.1.98762.12.6.2.1.2', 2, 'w', 'E8'),  # Encryption Algorithm Blowfish Admin
        ('1.3.6.1.4.1.98762.12.6.2.1.3', 2, 'w', 'E8'),  # Encryption Algorithm AES128 Admin
        ('1.3.6.1.4.1.98762.12.6.2.1.4', 2, 'w', 'E8'),  # Encryption Algorithm AES192 Admin
        ('1.3.6.1.4.1.98762.12.6.2.1.5', 2, 'w', 'E8'),  # Encryption Algorithm AES256 Admin
        ('1.3.6.1.4.1.98762.12.6.2.1.6', 2, 'w', 'E8'),  # Encryption Algorithm Arcfour Admin
        ('1.3.6.1.4.1.98762.12.6.2.1.7', 2, 'w', 'E8'),  # Encryption Algorithm CAST28 Admin
        ('1.3.6.1.4.1.98762.12.6.2.1.8', 2, 'w', 'E8'),  # Encryption Algorithm Twofish128 Admin
        ('1.3.6.1.4.1.98762.12.6.2.1.9', 2, 'w', 'E8'),  # Encryption Algorithm Twofish192 Admin
        ('1.3.6.1.4.1.98762.12.6.2.1.10', 2, 'w', 'E8'),  # Encryption Algorithm Twofish256 Admin
        ('1.3.6.1.4.1.98762.12.6.2.3.1', 2, 'w', 'E8'),  # Data Integrity Algorithm SHA1 Admin
        ('1.3.6.1.4.1.98762.12.6.2.3.2', 2, 'w', 'E8'),  # Data Integrity Algorithm MD5 Admin
        ('1.3.6.1.4.1.98762.12.6.2.4.1', 2, 'w', 'E8'),  # Public Key Algorithm RSA Admin
        ('1.3.6.1.4.1.98762.12.6.2.4.2', 2, 'w', 'E8'),  # Public Key Algorithm DSA Admin
    ]),
    ('AuthenticationMethod1Click', '1.3.6.1.4.1.98762.12.6.2.2', 0, 0, [
        ('1.3.6.1.4.1.98762.12.6.2.2.1', 2, 'w', 'E8'),  # Password Admin
        ('1.3.6.1.4.1.98762.12.6.2.2.2', 2, 'w', 'E8'),  # Public Key Admin
        ('1.3.6.1.4.1.98762.12.6.2.2.3', 2, 'w', 'E8'),  # Host Key Admin
    ]),
    ('PortInformation1Click', '1.3.6.1.4.1.98762.11.63.6.2.2.1.1', 2, 1, [
        ('1.3.6.1.4.1.98762.11.63.6.2.2.1.1.1', 2, 'i', None),  # Port Index
        ('1.3.6.1.4.1.98762.11.63.6.2.2.1.1.4', 2, 'r', 'E29'),  # Link Status
        ('1.3.6.1.4.1.98762.11.63.6.2.2.1.1.5', 2, 'r', 'E30'),  # Nway Status
    ]),
    ('PortControl1Click', '1.3.6.1.4.1.98762.11.63.6.2.2.2.1', 3, 2, [
        ('1.3.6.1.4.1.98762.11.63.6.2.2.2.1.1', 2, 'r', None),  # Port Index
        ('1.3.6.1.4.1.98762.11.63.6.2.2.2.1.2', 2, 'r', 'E31'),  # Medium Type
        ('1.3.6.1.4.1.98762.11.63.6.2.2.2.1.3', 2, 'w', 'E8'),  # Admin State
        ('1.3.6.1.4.1.98762.11.63.6.2.2.2.1.4', 2, 'w', 'E32'),  # Nway State
        ('1.3.6.1.4.1.98762.11.63.6.2.2.2.1.5', 2, 'w', 'E8'),  # Flow Control State
        ('1.3.6.1.4.1.98762.11.63.6.2.2.2.1.6', 76, 'w', None),  # Description
        ('1.3.6.1.4.1.98762.11.63.6.2.2.2.1.8', 2, 'w', 'E8'),  # MAC Notify State
        ('1.3.6.1.4.1.98762.11.63.6.2.2.2.1.9', 2, 'w', 'E33'),  # Multicast filter
    ]),
    ('TrunkBasicInformation1Click', '1.3.6.1.4.1.98762.11.63.6.2.4', 0, 0, [
        ('1.3.6.1.4.1.98762.11.63.6.2.4.1', 2, 'r', None),  # Port Trunk Max Entries
        ('1.3.6.1.4.1.98762.11.63.6.2.4.2', 2, 'r', None),  # Port Trunk Max Port Members
        ('1.3.6.1.4.1.98762.11.63.6.2.4.4', 2, 'w', 'E34'),  # Trunk Algorithm
    ]),
    ('BandwidthControlTable1Click', '1.3.6.1.4.1.98762.11.63.6.2.3.1.1', 3, 1, [
        ('1.3.6.1.4.1.98762.11.63.6.2.3.1.1.1', 2, 'i', None),  # QoS Bandwidth Port Index
        ('1.3.6.1.4.1.98762.11.63.6.2.3.1.1.2', 2, 'w', None),  # QoS Bandwidth RX Rate
        ('1.3.6.1.4.1.98762.11.63.6.2.3.1.1.3', 2, 'w', None),  # QoS Bandwidth TX Rate
    ]),
    ('SchedulingTable1Click', '1.3.6.1.4.1.98762.11.63.6.2.3.2.1', 3, 1, [
        ('1.3.6.1.4.1.98762.11.63.6.2.3.2.1.1', 2, 'i', None),  # QoS Scheduling Class Index
        ('1.3.6.1.4.1.98762.11.63.6.2.3.2.1.4', 2, 'w', None),  # QoS Scheduling Max Weight
    ]),
    ('N8021pUserPriorityTable1Click', '1.3.6.1.4.1.98762.11.63.6.2.3.3.1', 3, 1, [
        ('1.3.6.1.4.1.98762.11.63.6.2.3.3.1.1', 2, 'i', None),  # QoS 8021p User Priority Index
        ('1.3.6.1.4.1.98762.11.63.6.2.3.3.1.2', 2, 'w', None),  # QoS 8021p User Priority Class
    ]),
    ('N8021pDefaultPriorityTable1Click', '1.3.6.1.4.1.98762.11.63.6.2.3.4.1', 3, 1, [
        ('1.3.6.1.4.1.98762.11.63.6.2.3.4.1.1', 2, 'i', None),  # QoS 8021p Default Priority Index
        ('1.3.6.1.4.1.98762.11.63.6.2.3.4.1.2', 2, 'w', None),  # QoS 8021p Default Priority
    ]),
    ('IGMPControlTable1Click', '1.3.6.1.4.1.98762.11.63.6.2.7.3.1', 3, 1, [
        ('1.3.6.1.4.1.98762.11.63.6.2.7.3.1.1', 2, 'i', None),  # VLAN ID
        ('1.3.6.1.4.1.98762.11.63.6.2.7.3.1.2', 2, 'w', None),  # Query Interval
        ('1.3.6.1.4.1.98762.11.63.6.2.7.3.1.3', 2, 'w', None),  # Max Response Time
        ('1.3.6.1.4.1.98762.11.63.6.2.7.3.1.4', 2, 'w', None),  # Robustness
        ('1.3.6.1.4.1.98762.11.63.6.2.7.3.1.5', 2, 'w', None),  # Last Member Query Interval
        ('1.3.6.1.4.1.98762.11.63.6.2.7.3.1.6', 2, 'w', None),  # Host Timeout
        ('1.3.6.1.4.1.98762.11.63.6.2.7.3.1.7', 2, 'w', None),  # Route Timeout
        ('1.3.6.1.4.1.98762.11.63.6.2.7.3.1.8', 2, 'w', None),  # Leave Timer
        ('1.3.6.1.4.1.98762.11.63.6.2.7.3.1.9', 2, 'w', 'E8'),  # Query State
        ('1.3.6.1.4.1.98762.11.63.6.2.7.3.1.10', 2, 'r', 'E35'),  # Current State
        ('1.3.6.1.4.1.98762.11.63.6.2.7.3.1.11', 2, 'w', 'E36'),  # Control State
        ('1.3.6.1.4.1.98762.11.63.6.2.7.3.1.12', 2, 'w', 'E36'),  # Fast Leave
    ]),
    ('IGMPQuery1Click', '1.3.6.1.4.1.98762.11.63.6.2.7.4.1', 3, 1, [
        ('1.3.6.1.4.1.98762.11.63.6.2.7.4.1.1', 2, 'i', None),  # VLAN ID
        ('1.3.6.1.4.1.98762.11.63.6.2.7.4.1.2', 2, 'r', None),  # Query Count
        ('1.3.6.1.4.1.98762.11.63.6.2.7.4.1.3', 2, 'r', None),  # TX Query Count
    ]),
    ('IGMPInformation1Click', '1.3.6.1.4.1.98762.11.63.6.2.7.5.1', 3, 2, [
        ('1.3.6.1.4.1.98762.11.63.6.2.7.5.1.1', 2, 'i', None),  # VLAN ID
        ('1.3.6.1.4.1.98762.11.63.6.2.7.5.1.2', 64, 'i', None),  # Group IP Address
        ('1.3.6.1.4.1.98762.11.63.6.2.7.5.1.3', 73, 'r', None),  # MAC Address
        ('1.3.6.1.4.1.98762.11.63.6.2.7.5.1.4', 3, 'r', None),  # Port Map
        ('1.3.6.1.4.1.98762.11.63.6.2.7.5.1.5', 2, 'r', None),  # IP Group Report Count
    ]),
    ('SingleIPControl1Click', '1.3.6.1.4.1.98762.12.8.1.2', 0, 0, [
        ('1.3.6.1.4.1.98762.12.8.1.2.1', 2, 'w', 'E8'),  # Admin
        ('1.3.6.1.4.1.98762.12.8.1.2.2', 2, 'w', 'E37'),  # Role State
        ('1.3.6.1.4.1.98762.12.8.1.2.3', 2, 'w', None),  # Hold Time
        ('1.3.6.1.4.1.98762.12.8.1.2.4', 2, 'w', None),  # Time Interval
    ]),
    ('MyInformation1Click', '1.3.6.1.4.1.98762.12.8.1.1', 0, 0, [
        ('1.3.6.1.4.1.98762.12.8.1.1.1', 76, 'r', None),  # Version
        ('1.3.6.1.4.1.98762.12.8.1.1.2', 76, 'r', None),  # Capability
        ('1.3.6.1.4.1.98762.12.8.1.1.3', 76, 'r', None),  # Platform
    ]),
    ('CandidateSwitch1Click', '1.3.6.1.4.1.98762.12.8.1.4.1', 2, 1, [
        ('1.3.6.1.4.1.98762.12.8.1.4.1.1', 2, 'i', None),  # ID
        ('1.3.6.1.4.1.98762.12.8.1.4.1.2', 76, 'r', None),  # Device Name
        ('1.3.6.1.4.1.98762.12.8.1.4.1.3', 73, 'r', None),  # MAC Address
        ('1.3.6.1.4.1.98762.12.8.1.4.1.4', 76, 'r', None),  # Firmware Version
        ('1.3.6.1.4.1.98762.12.8.1.4.1.5', 76, 'r', None),  # Capability
        ('1.3.6.1.4.1.98762.12.8.1.4.1.6', 76, 'r', None),  # Platform
        ('1.3.6.1.4.1.98762.12.8.1.4.1.7', 2, 'r', None),  # Hold Time
    ]),
    ('GroupInformation1Click', '1.3.6.1.4.1.98762.12.8.1.5.1', 2, 1, [
        ('1.3.6.1.4.1.98762.12.8.1.5.1.1', 73, 'i', None),  # MAC Address
        ('1.3.6.1.4.1.98762.12.8.1.5.1.2', 76, 'r', None),  # Name
        ('1.3.6.1.4.1.98762.12.8.1.5.1.3', 76, 'r', None),  # Device Name
        ('1.3.6.1.4.1.98762.12.8.1.5.1.4', 2, 'r', None),  # MS Number
        ('1.3.6.1.4.1.98762.12.8.1.5.1.5', 76, 'r', None),  # Firmware Version
        ('1.3.6.1.4.1.98762.12.8.1.5.1.6', 76, 'r', None),  # Capability
        ('1.3.6.1.4.1.98762.12.8.1.5.1.7', 76, 'r', None),  # Platform
        ('1.3.6.1.4.1.98762.12.8.1.5.1.8', 2, 'r', None),  # Hold Time
    ]),
    ('AggregatorTable1Click', '1.3.6.1.4.1.98762.12.4.1.1.1.1', 2, 1, [
        ('1.3.6.1.4.1.98762.12.4.1.1.1.1.1', 2, 'i', None),  # Index
        ('1.3.6.1.4.1.98762.12.4.1.1.1.1.2', 73, 'r', None),  # MAC Address
        ('1.3.6.1.4.1.98762.12.4.1.1.1.1.3', 2, 'r', None),  # Actor System Priority
        ('1.3.6.1.4.1.98762.12.4.1.1.1.1.4', 73, 'r', None),  # Actor System ID
        ('1.3.6.1.4.1.98762.12.4.1.1.1.1.5', 2, 'r', 'E6'),  # Aggregate Or Individual
        ('1.3.6.1.4.1.98762.12.4.1.1.1.1.6', 2, 'w', None),  # Actor Admin value Key
        ('1.3.6.1.4.1.98762.12.4.1.1.1.1.7', 2, 'r', None),  # Actor Operational Value Key
        ('1.3.6.1.4.1.98762.12.4.1.1.1.1.8', 73, 'r', None),  # Partner System ID
        ('1.3.6.1.4.1.98762.12.4.1.1.1.1.9', 2, 'r', None),  # Partner System Priority
        ('1.3.6.1.4.1.98762.12.4.1.1.1.1.10', 2, 'r', None),  # Partner Operational Value Key
        ('1.3.6.1.4.1.98762.12.4.1.1.1.1.11', 2, 'r', None),  # Collector Max Delay
    ]),
    ('TACACSControl1Click', '1.3.6.1.4.1.98762.12.5.1', 0, 0, [
        ('1.3.6.1.4.1.98762.12.5.1.1', 2, 'w', 'E8'),  # Admin State
    ]),
    ('TACACSInformation1Click', '1.3.6.1.4.1.98762.12.5.2', 0, 0, [
        ('1.3.6.1.4.1.98762.12.5.2.1', 2, 'r', None),  # Max Login Method List
        ('1.3.6.1.4.1.98762.12.5.2.2', 2, 'r', None),  # Max Enable Method List
        ('1.3.6.1.4.1.98762.12.5.2.3', 2, 'r', None),  # Max Server Group
        ('1.3.6.1.4.1.98762.12.5.2.4', 2, 'r', None),  # Max Server
        ('1.3.6.1.4.1.98762.12.5.8.1', 2, 'w', None),  # AAC Response Timeout[1..255]
        ('1.3.6.1.4.1.98762.12.5.8.2', 2, 'w', None),  # AAC Attempt[1..255]
    ]),
    ('LoginInformation1Click', '1.3.6.1.4.1.98762.12.5.7.1', 0, 0, [
        ('1.3.6.1.4.1.98762.12.5.7.1.1', 76, 'w', None),  # Console Login Method
        ('1.3.6.1.4.1.98762.12.5.7.2.1', 76, 'w', None),  # Console Enable Method
        ('1.3.6.1.4.1.98762.12.5.7.1.2', 76, 'w', None),  # Telnet Login Method
        ('1.3.6.1.4.1.98762.12.5.7.2.2', 76, 'w', None),  # Telnet Enable Method
        ('1.3.6.1.4.1.98762.12.5.7.1.3', 76, 'w', None),  # SSH Login Method
        ('1.3.6.1.4.1.98762.12.5.7.2.3', 76, 'w', None),  # SSH Enable Method
        ('1.3.6.1.4.1.98762.12.5.7.1.4', 76, 'w', None),  # HTTP Login Method
        ('1.3.6.1.4.1.98762.12.5.7.2.4', 76, 'w', None),  # HTTP Enable Method
    ]),
    ('ServerGroup1Click', '1.3.6.1.4.1.98762.12.5.9.1', 2, 1, [
        ('1.3.6.1.4.1.98762.12.5.9.1.1', 76, 'i', None),  # Name
        ('1.3.6.1.4.1.98762.12.5.9.1.2', 64, 'r', None),  # IP Address1
        ('1.3.6.1.4.1.98762.12.5.9.1.3', 2, 'r', 'E38'),  # Auth Protocol1
        ('1.3.6.1.4.1.98762.12.5.9.1.4', 64, 'r', None),  # IP Address2
        ('1.3.6.1.4.1.98762.12.5.9.1.5', 2, 'r', 'E38'),  # Auth Protocol2
        ('1.3.6.1.4.1.98762.12.5.9.1.6', 64, 'r', None),  # IP Address3
        ('1.3.6.1.4.1.98762.12.5.9.1.7', 2, 'r', 'E38'),  # Auth Protocol3
        ('1.3.6.1.4.1.98762.12.5.9.1.8', 64, 'r', None),  # IP Address4
        ('1.3.6.1.4.1.98762.12.5.9.1.9', 2, 'r', 'E38'),  # Auth Protocol4
        ('1.3.6.1.4.1.98762.12.5.9.1.10', 64, 'r', None),  # IP Address5
        ('1.3.6.1.4.1.98762.12.5.9.1.11', 2, 'r', 'E38'),  # Auth Protocol5
        ('1.3.6.1.4.1.98762.12.5.9.1.12', 64, 'r', None),  # IP Address6
        ('1.3.6.1.4.1.98762.12.5.9.1.13', 2, 'r', 'E38'),  # Auth Protocol6
        ('1.3.6.1.4.1.98762.12.5.9.1.14', 64, 'r', None),  # IP Address7
        ('1.3.6.1.4.1.98762.12.5.9.1.15', 2, 'r', 'E38'),  # Auth Protocol7
        ('1.3.6.1.4.1.98762.12.5.9.1.16', 64, 'r', None),  # IP Address8
        ('1.3.6.1.4.1.98762.12.5.9.1.17', 2, 'r', 'E38'),  # Auth Protocol8
        ('1.3.6.1.4.1.98762.12.5.9.1.18', 2, 'w', 'E39'),  # Row Status
    ]),
    ('PortAuthStatistics1Click', '1.0.8802.1.1.1.1.2.2.1', 3, 1, [
        (None, 2, 'i', None),  # Port Number
        ('1.0.8802.1.1.1.1.2.2.1.1', 65, 'r', None),  # EAPOL Frames Rx
        ('1.0.8802.1.1.1.1.2.2.1.2', 65, 'r', None),  # EAPOL Frames Tx
        ('1.0.8802.1.1.1.1.2.2.1.3', 65, 'r', None),  # EAPOL Start Frames Rx
        ('1.0.8802.1.1.1.1.2.2.1.4', 65, 'r', None),  # EAPOL Logoff Frames Rx
        ('1.0.8802.1.1.1.1.2.2.1.5', 65, 'r', None),  # EAPOL Resp/ID Frames Rx
        ('1.0.8802.1.1.1.1.2.2.1.6', 65, 'r', None),  # EAPOL Response Frames Rx
        ('1.0.8802.1.1.1.1.2.2.1.7', 65, 'r', None),  # EAPOL Req/ID Frames Tx
        ('1.0.8802.1.1.1.1.2.2.1.8', 65, 'r', None),  # EAPOL ResponseFrames Tx
        ('1.0.8802.1.1.1.1.2.2.1.9', 65, 'r', None),  # Invalid EAPOL Frames Rx
        ('1.0.8802.1.1.1.1.2.2.1.10', 65, 'r', None),  # Eap Length Error Frames Rx
        ('1.0.8802.1.1.1.1.2.2.1.11', 66, 'r', None),  # Last EAPOL Frame Version
        ('1.0.8802.1.1.1.1.2.2.1.12', 73, 'r', None),  # Last EAPOL Frame Source
    ]),
    ('NeighborSwitch1Click', '1.3.6.1.4.1.98762.12.8.1.6.1', 2, 2, [
        ('1.3.6.1.4.1.98762.12.8.1.6.1.1', 2, 'i', None),  # Received Port
        ('1.3.6.1.4.1.98762.12.8.1.6.1.2', 73, 'i', None),  # MAC Address
        ('1.3.6.1.4.1.98762.12.8.1.6.1.3', 2, 'r', 'E40'),  # Role State
    ]),
    ('ConfigurationIdentification1Click', '1.3.6.1.4.1.98762.12.15.2', 0, 0, [
        ('1.3.6.1.4.1.98762.12.15.2.1', 76, 'w', None),  # Name
        ('1.3.6.1.4.1.98762.12.15.2.2', 2, 'w', None),  # Revision Level (0-65535)
    ]),
    ('InstanceInformation1Click', '1.3.6.1.4.1.98762.12.15.2.3.1', 3, 1, [
        ('1.3.6.1.4.1.98762.12.15.2.3.1.1', 2, 'i', None),  # MSTP Instance ID
        ('1.3.6.1.4.1.98762.12.15.2.3.1.2', 4, 'w', None),  # VLAN Range [1-64]
        ('1.3.6.1.4.1.98762.12.15.2.3.1.3', 4, 'w', None),  # VLAN Range [65-128]
        ('1.3.6.1.4.1.98762.12.15.2.3.1.4', 4, 'w', None),  # VLAN Range [129-192]
        ('1.3.6.1.4.1.98762.12.15.2.3.1.5', 4, 'w', None),  # VLAN Range [193-256]
        ('1.3.6.1.4.1.98762.12.15.2.3.1.6', 4, 'w', None),  # VLAN Range [257-320]
        ('1.3.6.1.4.1.98762.12.15.2.3.1.7', 4, 'w', None),  # VLAN Range [321-384]
        ('1.3.6.1.4.1.98762.12.15.2.3.1.8', 4, 'w', None),  # VLAN Range [385-448]
        ('1.3.6.1.4.1.98762.12.15.2.3.1.9', 4, 'w', None),  # VLAN Range [449-512]
        ('1.3.6.1.4.1.98762.12.15.2.3.1.10', 2, 'r', 'E41'),  # Type
        ('1.3.6.1.4.1.98762.12.15.2.3.1.11', 2, 'r', 'E7'),  # Status
        ('1.3.6.1.4.1.98762.12.15.2.3.1.12', 2, 'w', None),  # Priority
        ('1.3.6.1.4.1.98762.12.15.2.3.1.13', 4, 'r', None),  # Designated Root Bridge
        ('1.3.6.1.4.1.98762.12.15.2.3.1.14', 2, 'r', None),  # External Root Cost
        ('1.3.6.1.4.1.98762.12.15.2.3.1.15', 4, 'r', None),  # Regional Root Bridge
        ('1.3.6.1.4.1.98762.12.15.2.3.1.16', 2, 'r', None),  # Internal Root Cost
        ('1.3.6.1.4.1.98762.12.15.2.3.1.17', 4, 'r', None),  # Designated Bridge
        ('1.3.6.1.4.1.98762.12.15.2.3.1.18', 2, 'r', None),  # Root Port
        ('1.3.6.1.4.1.98762.12.15.2.3.1.19', 2, 'r', None),  # Max Age
        ('1.3.6.1.4.1.98762.12.15.2.3.1.20', 2, 'r', None),  # Forward Delay
        ('1.3.6.1.4.1.98762.12.15.2.3.1.21', 67, 'r', None),  # Last Topology Change
        ('1.3.6.1.4.1.98762.12.15.2.3.1.22', 65, 'r', None),  # Topology Changes Count
        ('1.3.6.1.4.1.98762.12.15.2.3.1.23', 2, 'r', None),  # Remain Hops
        ('1.3.6.1.4.1.98762.12.15.2.3.1.24', 2, 'w', 'E39'),  # Row Status
    ]),
    ('PortStateInformation1Click', '1.3.6.1.4.1.98762.12.15.2.4.1', 3, 1, [
        ('1.3.6.1.4.1.98762.12.15.2.4.1.1', 2, 'i', None),  # MSTP Port
        ('1.3.6.1.4.1.98762.12.15.2.4.1.2', 2, 'r', None),  # Operate Hello Time
        ('1.3.6.1.4.1.98762.12.15.2.4.1.3', 2, 'w', None),  # Admin Hello Time
        ('1.3.6.1.4.1.98762.12.15.2.4.1.4', 2, 'w', 'E7'),  # STP Port Enable
        ('1.3.6.1.4.1.98762.12.15.2.4.1.5', 2, 'w', None),  # External Path Cost
        ('1.3.6.1.4.1.98762.12.15.2.4.1.6', 2, 'w', 'E6'),  # Migration
        ('1.3.6.1.4.1.98762.12.15.2.4.1.7', 2, 'w', 'E6'),  # Admin Edge Port
        ('1.3.6.1.4.1.98762.12.15.2.4.1.8', 2, 'r', 'E6'),  # Operate Edge Port
        ('1.3.6.1.4.1.98762.12.15.2.4.1.9', 2, 'w', 'E42'),  # Admin P2P
        ('1.3.6.1.4.1.98762.12.15.2.4.1.10', 2, 'r', 'E42'),  # Operate P2P
        ('1.3.6.1.4.1.98762.12.15.2.4.1.11', 2, 'w', 'E8'),  # Loop-back Detection
    ]),
    ('PortMSTPInformation1Click', '1.3.6.1.4.1.98762.12.15.2.5.1', 3, 2, [
        ('1.3.6.1.4.1.98762.12.15.2.5.1.1', 2, 'i', None),  # MST Port
        ('1.3.6.1.4.1.98762.12.15.2.5.1.2', 2, 'i', None),  # Instance ID
        ('1.3.6.1.4.1.98762.12.15.2.5.1.3', 4, 'r', None),  # Designated Bridge
        ('1.3.6.1.4.1.98762.12.15.2.5.1.4', 2, 'w', None),  # Internal Path Cost
        ('1.3.6.1.4.1.98762.12.15.2.5.1.5', 2, 'w', None),  # Priority
        ('1.3.6.1.4.1.98762.12.15.2.5.1.6', 2, 'r', 'E43'),  # Status
        ('1.3.6.1.4.1.98762.12.15.2.5.1.7', 2, 'r', 'E44'),  # Role
    ]),
    ('SystemLogState1Click', '1.3.6.1.4.1.98762.12.12.3', 0, 0, [
        ('1.3.6.1.4.1.98762.12.12.1', 2, 'w', 'E8'),  # System Log Control State
        ('1.3.6.1.4.1.98762.12.12.3.1', 2, 'w', 'E45'),  # Log Save Method
        ('1.3.6.1.4.1.98762.12.12.3.2', 2, 'w', None),  # Log Save Time Interval
        ('1.3.6.1.4.1.98762.12.12.4.1', 2, 'w', 'E46'),  # System Log Control Clear Log
    ]),
    ('Time1Click', '1.3.6.1.4.1.98762.12.10', 0, 0, [
        ('1.3.6.1.4.1.98762.12.10.1', 3, 'r', None),  # Time Capacity
        ('1.3.6.1.4.1.98762.12.10.2', 74, 'w', None),  # Current Clock(Example 1992-5-26,13:30:15.0)
        ('1.3.6.1.4.1.98762.12.10.3', 2, 'r', 'E6'),  # Clock Reset On Reboot
    ]),
    ('ProbeBasicInformation1Click', '1.3.6.1.2.1.16.19', 0, 0, [
        ('1.3.6.1.2.1.16.19.1', 4, 'r', None),  # Capabilities
        ('1.3.6.1.2.1.16.19.2', 76, 'r', None),  # Software Revision
        ('1.3.6.1.2.1.16.19.3', 76, 'r', None),  # Hardware Revision
        ('1.3.6.1.2.1.16.19.5', 2, 'w', 'E47'),  # Reset Control
    ]),
    ('NetConfiguration1Click', '1.3.6.1.2.1.16.19.11.1', 2, 0, [
        ('1.3.6.1.2.1.16.19.11.1.1', 64, 'r', None),  # Net Configure IP Address
        ('1.3.6.1.2.1.16.19.11.1.2', 64, 'r', None),  # Net Configure Subnet Mask
        ('1.3.6.1.2.1.16.19.11.1.3', 2, 'r', 'E39'),  # Net Configure Status
    ]),
    ('NetDefaultGateway1Click', '1.3.6.1.2.1.16.19', 0, 0, [
        ('1.3.6.1.2.1.16.19.12', 64, 'w', None),  # Net Default Gateway
    ]),
    ('Databaseinformation1Click', '1.3.6.1.2.1.17.7.1.2.1.1', 2, 1, [
        ('1.3.6.1.2.1.17.7.1.2.1.1.1', 66, 'i', None),  # FDB ID
        ('1.3.6.1.2.1.17.7.1.2.1.1.2', 65, 'r', None),  # FDB Dynamic Count
    ]),
    ('AuthenticationServer1Click', '1.3.6.1.4.1.98762.12.3.3', 0, 0, [
        ('1.3.6.1.4.1.98762.12.3.3.1', 76, 'r', None),  # RADIUS Auth Client Identifier
        ('1.3.6.1.4.1.98762.12.3.3.2', 65, 'r', None),  # RADIUS Auth Client Invalid Server Addresses
    ]),
    ('Multipleimagemanagement1Click', '1.3.6.1.4.1.98762.12.1.2.7.1', 3, 1, [
        ('1.3.6.1.4.1.98762.12.1.2.7.1.1', 2, 'i', None),  # Multiple Image Information ID
        ('1.3.6.1.4.1.98762.12.1.2.7.1.2', 76, 'r', None),  # Multiple Image Version
        ('1.3.6.1.4.1.98762.12.1.2.7.1.3', 2, 'r', None),  # Multiple Image Size
        ('1.3.6.1.4.1.98762.12.1.2.7.1.4', 76, 'r', None),  # Multiple Image Update Time
        ('1.3.6.1.4.1.98762.12.1.2.7.1.5', 76, 'r', None),  # Multiple Image From
        ('1.3.6.1.4.1.98762.12.1.2.7.1.6', 76, 'r', None),  # Multiple Image Send User
    ]),
    ('PAEPortTable1Click', '1.0.8802.1.1.1.1.1.2.1', 3, 1, [
        ('1.0.8802.1.1.1.1.1.2.1.1', 2, 'i', None),  # Port Number
        ('1.0.8802.1.1.1.1.1.2.1.2', 66, 'r', None),  # Port Protocol Version
        ('1.0.8802.1.1.1.1.1.2.1.3', 4, 'r', None),  # Port Capabilities
        ('1.0.8802.1.1.1.1.1.2.1.4', 2, 'w', 'E6'),  # Port Initialize
        ('1.0.8802.1.1.1.1.1.2.1.5', 2, 'w', 'E6'),  # Port Reauthenticate
    ]),
    ('IGMPGeneral1Click', '1.3.6.1.4.1.98762.11.63.6.2.7', 0, 0, [
        ('1.3.6.1.4.1.98762.11.63.6.2.7.1', 2, 'r', None),  # Max Supported VLANs
        ('1.3.6.1.4.1.98762.11.63.6.2.7.2', 2, 'r', None),  # Max IP Group Number PerVLAN
    ]),
    ('GlobalManagement1Click', '1.3.6.1.4.1.98762.12.19.1', 0, 0, [
        ('1.3.6.1.4.1.98762.12.19.1.1', 2, 'w', 'E8'),  # Safeguard Admin State
    ]),
    ('CPUFilterControl1Click', '1.3.6.1.4.1.98762.12.9.1', 0, 0, [
        ('1.3.6.1.4.1.98762.12.9.1.1', 2, 'w', 'E7'),  # CPU Interface Filtering State
    ]),
    ('AggregatorPortList1Click', '1.3.6.1.4.1.98762.12.4.1.1', 2, 1, [
        ('1.3.6.1.4.1.98762.12.4.1.1.1.1.1', 2, 'i', None),  # Index
        ('1.3.6.1.4.1.98762.12.4.1.1.2.1.1', 3, 'r', None),  # Ports
    ]),
    ('PortInformation3Click', '1.3.6.1.4.1.98762.12.23.3.2.1', 3, 1, [
        ('1.3.6.1.4.1.98762.12.23.3.2.1.1', 2, 'i', None),  # Port Index
        ('1.3.6.1.4.1.98762.12.23.3.2.1.2', 2, 'w', 'E48'),  # Port State
    ]),
    ('PacketStormControlTable1Click', '1.3.6.1.4.1.98762.12.25.3.1.1', 3, 1, [
        ('1.3.6.1.4.1.98762.12.25.3.1.1.1', 2, 'i', None),  # Port Index
        ('1.3.6.1.4.1.98762.12.25.3.1.1.2', 2, 'w', None),  # threshold
        ('1.3.6.1.4.1.98762.12.25.3.1.1.3', 2, 'w', 'E49'),  # Broadcast Status
        ('1.3.6.1.4.1.98762.12.25.3.1.1.4', 2, 'w', 'E49'),  # Multicast Status
        ('1.3.6.1.4.1.98762.12.25.3.1.1.5', 2, 'w', 'E49'),  # Destination Loopback Fail Status
        ('1.3.6.1.4.1.98762.12.25.3.1.1.6', 2, 'w', 'E50'),  # Action Status
        ('1.3.6.1.4.1.98762.12.25.3.1.1.7', 2, 'w', None),  # Count Down
        ('1.3.6.1.4.1.98762.12.25.3.1.1.8', 2, 'w', None),  # Time Interval
        ('1.3.6.1.4.1.98762.12.25.3.1.1.9', 2, 'r', 'E51'),  # Shutdown Forever
    ]),
    ('ConsoleModeControl1Click', '1.3.6.1.4.1.98762.12.1.5', 0, 0, [
        ('1.3.6.1.4.1.98762.12.1.5.1', 2, 'r', 'E52'),  # Data Bits
        ('1.3.6.1.4.1.98762.12.1.5.2', 2, 'r', 'E53'),  # Stop Bits
        ('1.3.6.1.4.1.98762.12.1.5.3', 2, 'r', 'E54'),  # Parity
        ('1.3.6.1.4.1.98762.12.1.5.4', 2, 'w', 'E55'),  # Baud Rate
        ('1.3.6.1.4.1.98762.12.1.5.5', 2, 'w', 'E56'),  # Logout Time
    ]),
    ('SMTPInformationTable1Click', '1.3.6.1.4.1.98762.12.29.2', 0, 0, [
        ('1.3.6.1.4.1.98762.12.29.2.1', 2, 'r', 'E57'),  # SMTP Send Test Status
    ]),
    ('SMTPMailReceiverTable1Click', '1.3.6.1.4.1.98762.12.29.3.1.1', 3, 1, [
        ('1.3.6.1.4.1.98762.12.29.3.1.1.1', 2, 'i', None),  # SMTP Mail Receiver Address Index
        ('1.3.6.1.4.1.98762.12.29.3.1.1.2', 76, 'w', None),  # SMTP Mail Receiver Address
        ('1.3.6.1.4.1.98762.12.29.3.1.1.3', 2, 'w', 'E39'),  # SMTP Mail Receiver Address State
    ]),
    ('Dot3Collision1Click', '1.3.6.1.2.1.10.7.5.1', 2, 2, [
        (None, 2, 'i', None),  # IF Index
        ('1.3.6.1.2.1.10.7.5.1.2', 2, 'i', None),  # Collisions Count
        ('1.3.6.1.2.1.10.7.5.1.3', 65, 'r', None),  # Collisions Frequencies
    ]),
    ('BasicConfigure2Click', '1.3.6.1.2.1.17.6.1.1', 0, 0, [
        ('1.3.6.1.2.1.17.6.1.1.1', 4, 'r', None),  # Device Capabilities
        ('1.3.6.1.2.1.17.6.1.1.2', 2, 'r', 'E6'),  # Traffic Classes Enabled
    ]),
    ('ServiceTable1Click', '1.3.6.1.4.1.98762.12.3.4.3.1', 2, 1, [
        ('1.3.6.1.4.1.98762.12.3.4.3.1.1', 2, 'i', 'E58'),  # RADIUS Accounting Table Service Index
        ('1.3.6.1.4.1.98762.12.3.4.3.1.2', 2, 'w', 'E59'),  # RADIUS Accounting Table Service Method
        ('1.3.6.1.4.1.98762.12.3.4.3.1.3', 2, 'w', 'E60'),  # RADIUS Accounting Table Service Mode
    ]),
    ('DeviceControl2Click', '1.3.6.1.4.1.98762.11.63.6.2.1.2', 0, 0, [
        ('1.3.6.1.4.1.98762.11.63.6.2.1.2.1', 2, 'w', 'E61'),  # System Reboot
        ('1.3.6.1.4.1.98762.11.63.6.2.1.2.2', 64, 'w', None),  # System IP
        ('1.3.6.1.4.1.98762.11.63.6.2.1.2.3', 64, 'w', None),  # Subnet Mask
        ('1.3.6.1.4.1.98762.11.63.6.2.1.2.4', 64, 'w', None),  # Default Gateway
        ('1.3.6.1.4.1.98762.11.63.6.2.1.2.5', 2, 'w', None),  # Management VLAN ID
        ('1.3.6.1.4.1.98762.11.63.6.2.1.2.7', 2, 'w', 'E8'),  # IGMP Snooping
        ('1.3.6.1.4.1.98762.11.63.6.2.1.2.12', 2, 'w', 'E62'),  # Clean All Statistic Counter
        ('1.3.6.1.4.1.98762.11.63.6.2.1.2.13', 2, 'w', 'E7'),  # SNMP Authenticate Trap
        ('1.3.6.1.4.1.98762.11.63.6.2.1.2.16', 2, 'w', 'E8'),  # RMON State
        ('1.3.6.1.4.1.98762.11.63.6.2.1.2.17', 2, 'w', 'E8'),  # IP Auto Config
        ('1.3.6.1.4.1.98762.11.63.6.2.1.2.19', 2, 'w', 'E8'),  # MAC Notify State
        ('1.3.6.1.4.1.98762.11.63.6.2.1.2.20', 2, 'w', None),  # MAC Notify History Size
        ('1.3.6.1.4.1.98762.11.63.6.2.1.2.21', 2, 'w', None),  # MAC Notify Interval
    ]),
    ('IPMACBindingControl1Click', '1.3.6.1.4.1.98762.12.23.1', 0, 0, [
        ('1.3.6.1.4.1.98762.12.23.1.1', 2, 'w', 'E48'),  # IP-MAC Binding ACL  Mode State
        ('1.3.6.1.4.1.98762.12.23.1.2', 2, 'w', 'E48'),  # IP-MAC Binding Trap Log State
        ('1.3.6.1.4.1.98762.12.23.3.1', 2, 'w', 'E63'),  # IP-MAC Binding All Port State
    ]),
    ('PortErrorTable1Click', '1.3.6.1.4.1.98762.11.63.6.2.2.3.1', 2, 1, [
        ('1.3.6.1.4.1.98762.11.63.6.2.2.3.1.1', 2, 'i', None),  # Error Port Index
        ('1.3.6.1.4.1.98762.11.63.6.2.2.3.1.2', 2, 'r', 'E49'),  # Error Port State
        ('1.3.6.1.4.1.98762.11.63.6.2.2.3.1.3', 2, 'r', 'E64'),  # Error Port Status
        ('1.3.6.1.4.1.98762.11.63.6.2.2.3.1.4', 2, 'r', 'E65'),  # Error Port Reason
        ('1.3.6.1.4.1.98762.11.63.6.2.2.3.1.5', 76, 'r', None),  # Error Description
    ]),
    ('PortSecurityTrapLogState1Click', '1.3.6.1.4.1.98762.11.63.6.2.15', 0, 0, [
        ('1.3.6.1.4.1.98762.11.63.6.2.15.2', 2, 'w', 'E48'),  # Port Security Trap Log State
    ]),
    ('PortSecurityControl1Click', '1.3.6.1.4.1.98762.11.63.6.2.15.1.1', 3, 1, [
        ('1.3.6.1.4.1.98762.11.63.6.2.15.1.1.1', 2, 'i', None),  # Port Index
        ('1.3.6.1.4.1.98762.11.63.6.2.15.1.1.3', 2, 'w', 'E66'),  # Mode
        ('1.3.6.1.4.1.98762.11.63.6.2.15.1.1.4', 2, 'w', 'E48'),  # Admin State
        ('1.3.6.1.4.1.98762.11.63.6.2.15.1.1.2', 2, 'w', None),  # Max Learn Address
    ]),
    ('Management1Click', '1.3.6.1.4.1.98762.11.63.6.2.18', 0, 0, [
        ('1.3.6.1.4.1.98762.11.63.6.2.18.1', 2, 'w', 'E8'),  # DHCP Relay State
        ('1.3.6.1.4.1.98762.11.63.6.2.18.2', 2, 'w', None),  # DHCP Relay Hop Count
        ('1.3.6.1.4.1.98762.11.63.6.2.18.3', 2, 'w', None),  # DHCP Relay Time Threshold
        ('1.3.6.1.4.1.98762.11.63.6.2.18.4', 2, 'w', 'E8'),  # DHCP Relay Option 82 State
        ('1.3.6.1.4.1.98762.11.63.6.2.18.5', 2, 'w', 'E8'),  # DHCP Relay Option 82 Check
        ('1.3.6.1.4.1.98762.11.63.6.2.18.6', 2, 'w', 'E67'),  # DHCP Relay Option 82  Policy
    ]),
    ('CoSPriorityTable1Click', '1.3.6.1.4.1.98762.11.63.6.2.17.3.1.1', 3, 1, [
        ('1.3.6.1.4.1.98762.11.63.6.2.17.3.1.1.1', 2, 'i', None),  # CoS Priority Port
        ('1.3.6.1.4.1.98762.11.63.6.2.17.3.1.1.2', 2, 'w', 'E36'),  # CoS Priority Port PRI
        ('1.3.6.1.4.1.98762.11.63.6.2.17.3.1.1.3', 2, 'w', 'E68'),  # CoS Priority Ether PRI
        ('1.3.6.1.4.1.98762.11.63.6.2.17.3.1.1.4', 2, 'w', 'E69'),  # CoS Priority IP PRI
        ('1.3.6.1.4.1.98762.11.63.6.2.17.3.1.1.5', 2, 'w', 'E70'),  # CoS Priority None
    ]),
    ('CoSPortPRITable1Click', '1.3.6.1.4.1.98762.11.63.6.2.17.3.2.1', 3, 1, [
        ('1.3.6.1.4.1.98762.11.63.6.2.17.3.2.1.1', 2, 'i', None),  # CoS Port PRI Index
        ('1.3.6.1.4.1.98762.11.63.6.2.17.3.2.1.2', 2, 'w', None),  # CoS Port PRI Class
    ]),
    ('CosSMacBasePRITable1Click', '1.3.6.1.4.1.98762.11.63.6.2.17.3.3.1', 3, 1, [
        ('1.3.6.1.4.1.98762.11.63.6.2.17.3.3.1.1', 73, 'i', None),  # CoS MAC_Base PRI Index
        ('1.3.6.1.4.1.98762.11.63.6.2.17.3.3.1.2', 2, 'w', None),  # CoS MAC_Base PRI Class
    ]),
    ('CoSToSPRITable1Click', '1.3.6.1.4.1.98762.11.63.6.2.17.3.4.1', 3, 1, [
        ('1.3.6.1.4.1.98762.11.63.6.2.17.3.4.1.1', 2, 'i', None),  # CoS ToS PRI Index
        ('1.3.6.1.4.1.98762.11.63.6.2.17.3.4.1.2', 2, 'w', None),  # CoS ToS PRI Class
    ]),
    ('CoSDHCPPRITable1Click', '1.3.6.1.4.1.98762.11.63.6.2.17.3.5.1', 3, 1, [
        ('1.3.6.1.4.1.98762.11.63.6.2.17.3.5.1.1', 2, 'i', None),  # CoS DSCP PRI Index
        ('1.3.6.1.4.1.98762.11.63.6.2.17.3.5.1.2', 2, 'w', None),  # CoS DSCP PRI Class
    ]),
    ('PoESystemControl1Click', '1.3.6.1.4.1.98762.12.24.1', 0, 0, [
        ('1.3.6.1.4.1.98762.12.24.1.1', 2, 'w', None),  # PoE System Power Limit
        ('1.3.6.1.4.1.98762.12.24.1.2', 2, 'w', 'E71'),  # PoE System Power Disconnect Method
        ('1.3.6.1.4.1.98762.12.24.1.3', 2, 'w', 'E72'),  # PoE System Management Mode
    ]),
    ('PoESysteminformation1Click', '1.3.6.1.4.1.98762.12.24.2', 0, 0, [
        ('1.3.6.1.4.1.98762.12.24.2.1', 2, 'r', None),  # PoE System Power Consumption
        ('1.3.6.1.4.1.98762.12.24.2.2', 2, 'r', None),  # PoE System Power Remained
    ]),
    ('PoEPortControl1Click', '1.3.6.1.4.1.98762.12.24.3.1.1', 3, 1, [
        ('1.3.6.1.4.1.98762.12.24.3.1.1.1', 2, 'i', None),  # Port Index
        ('1.3.6.1.4.1.98762.12.24.3.1.1.2', 2, 'w', 'E63'),  # State
        ('1.3.6.1.4.1.98762.12.24.3.1.1.3', 2, 'w', 'E73'),  # Priority
        ('1.3.6.1.4.1.98762.12.24.3.1.1.4', 2, 'w', 'E74'),  # Power Limit
        ('1.3.6.1.4.1.98762.12.24.3.1.1.5', 2, 'w', None),  # User Defined
    ]),
    ('PoEPortInformation1Click', '1.3.6.1.4.1.98762.12.24.4.1.1', 2, 1, [
        ('1.3.6.1.4.1.98762.12.24.4.1.1.1', 2, 'i', None),  # Port Index
        ('1.3.6.1.4.1.98762.12.24.4.1.1.2', 2, 'r', None),  # Class
        ('1.3.6.1.4.1.98762.12.24.4.1.1.3', 2, 'r', None),  # Power
        ('1.3.6.1.4.1.98762.12.24.4.1.1.4', 2, 'r', None),  # Voltage
        ('1.3.6.1.4.1.98762.12.24.4.1.1.5', 2, 'r', None),  # Current
        ('1.3.6.1.4.1.98762.12.24.4.1.1.6', 76, 'r', None),  # Status
        ('1.3.6.1.4.1.98762.12.24.4.1.1.7', 2, 'r', 'E75'),  # Led Status
    ]),
    ('BasicInfo1Click', '1.3.6.1.4.1.98762.12.1.1', 0, 0, [
        ('1.3.6.1.4.1.98762.12.1.1.1', 2, 'r', 'E76'),  # Protocol Capability
        ('1.3.6.1.4.1.98762.12.1.1.3', 2, 'r', 'E77'),  # Console In Use
        ('1.3.6.1.4.1.98762.12.1.1.7', 2, 'r', 'E78'),  # Dual Image Status
    ]),
    ('MaxConcurrentRequests1Click', '1.3.6.1.2.1.80.1', 0, 0, [
        ('1.3.6.1.2.1.80.1.1', 66, 'r', None),  # Max Concurrent Requests
    ]),
    ('PingControlTable1Click', '1.3.6.1.2.1.80.1.2.1', 3, 2, [
        ('1.3.6.1.2.1.80.1.2.1.1', 76, 'i', None),  # Owner Index
        ('1.3.6.1.2.1.80.1.2.1.2', 76, 'i', None),  # Test Name
        ('1.3.6.1.2.1.80.1.2.1.4', 76, 'w', None),  # Target Address
        ('1.3.6.1.2.1.80.1.2.1.6', 66, 'w', None),  # Time Out
        ('1.3.6.1.2.1.80.1.2.1.7', 66, 'w', None),  # Probe Count
        ('1.3.6.1.2.1.80.1.2.1.8', 2, 'w', 'E7'),  # Admin Status
        ('1.3.6.1.2.1.80.1.2.1.23', 2, 'w', 'E39'),  # Row Status
    ]),
    ('PingResultsTable1Click', '1.3.6.1.2.1.80.1.3.1', 3, 2, [
        (None, 76, 'i', None),  # Owner Index
        (None, 76, 'i', None),  # Test Name
        ('1.3.6.1.2.1.80.1.3.1.1', 2, 'r', 'E7'),  # Operational Status
        ('1.3.6.1.2.1.80.1.3.1.2', 2, 'r', 'E79'),  # IP Target Address Type
        ('1.3.6.1.2.1.80.1.3.1.3', 76, 'r', None),  # IP Target Address
        ('1.3.6.1.2.1.80.1.3.1.4', 66, 'r', None),  # Min RTT
        ('1.3.6.1.2.1.80.1.3.1.5', 66, 'r', None),  # Max RTT
        ('1.3.6.1.2.1.80.1.3.1.6', 66, 'r', None),  # Average Rtt
        ('1.3.6.1.2.1.80.1.3.1.7', 66, 'r', None),  # Probe Responses
        ('1.3.6.1.2.1.80.1.3.1.8', 66, 'r', None),  # Sent Probes
        ('1.3.6.1.2.1.80.1.3.1.9', 66, 'r', None),  # RTT Sum Of Squares
        ('1.3.6.1.2.1.80.1.3.1.10', 76, 'r', None),  # Last Good Probe
    ]),
    ('ProbeHistoryTable1Click', '1.3.6.1.2.1.80.1.4.1', 3, 3, [
        (None, 76, 'i', None),  # Owner Index
        (None, 76, 'i', None),  # Test Name
        ('1.3.6.1.2.1.80.1.4.1.1', 66, 'i', None),  # History Index
        ('1.3.6.1.2.1.80.1.4.1.2', 66, 'r', None),  # History Response
        ('1.3.6.1.2.1.80.1.4.1.3', 2, 'r', 'E80'),  # History Status
        ('1.3.6.1.2.1.80.1.4.1.4', 2, 'r', None),  # History Last RC
        ('1.3.6.1.2.1.80.1.4.1.5', 76, 'r', None),  # History Time
    ]),
    ('MaxConcurrentRequests2Click', '1.3.6.1.2.1.81.1', 0, 0, [
        ('1.3.6.1.2.1.81.1.1', 66, 'r', None),  # Max Concurrent Requests
    ]),
    ('TrouceControlTable1Click', '1.3.6.1.2.1.81.1.2.1', 3, 2, [
        ('1.3.6.1.2.1.81.1.2.1.1', 76, 'i', None),  # Owner Index
        ('1.3.6.1.2.1.81.1.2.1.2', 76, 'i', None),  # Test Name
        ('1.3.6.1.2.1.81.1.2.1.4', 76, 'w', None),  # Target Address
        ('1.3.6.1.2.1.81.1.2.1.7', 66, 'w', None),  # Time Out
        ('1.3.6.1.2.1.81.1.2.1.8', 66, 'w', None),  # Probes Per Hop
        ('1.3.6.1.2.1.81.1.2.1.9', 66, 'w', None),  # Port
        ('1.3.6.1.2.1.81.1.2.1.10', 66, 'w', None),  # Max TTL
        ('1.3.6.1.2.1.81.1.2.1.21', 2, 'w', 'E7'),  # Admin Status
        ('1.3.6.1.2.1.81.1.2.1.27', 2, 'w', 'E39'),  # Row Status
    ]),
    ('TraceRouteResultTable1Click', '1.3.6.1.2.1.81.1.3.1', 3, 2, [
        (None, 76, 'i', None),  # Owner Index
        (None, 76, 'i', None),  # Test Name
        ('1.3.6.1.2.1.81.1.3.1.1', 2, 'r', 'E7'),  # Operational Status
        ('1.3.6.1.2.1.81.1.3.1.2', 66, 'r', None),  # Current Hop Count
        ('1.3.6.1.2.1.81.1.3.1.3', 66, 'r', None),  # Current Probe Count
        ('1.3.6.1.2.1.81.1.3.1.4', 2, 'r', 'E79'),  # IP Target Address Type
        ('1.3.6.1.2.1.81.1.3.1.5', 76, 'r', None),  # IP Target Address
        ('1.3.6.1.2.1.81.1.3.1.6', 66, 'r', None),  # Test Attempts
        ('1.3.6.1.2.1.81.1.3.1.7', 66, 'r', None),  # Test Successes
        ('1.3.6.1.2.1.81.1.3.1.8', 76, 'r', None),  # Last Good Path
    ]),
    ('ProbeHistoryTable2Click', '1.3.6.1.2.1.81.1.4.1', 3, 4, [
        (None, 76, 'i', None),  # Owner Index
        (None, 76, 'i', None),  # Test Name
        ('1.3.6.1.2.1.81.1.4.1.1', 66, 'i', None),  # History Index
        ('1.3.6.1.2.1.81.1.4.1.2', 66, 'i', None),  # History Hop Index
        ('1.3.6.1.2.1.81.1.4.1.3', 66, 'i', None),  # History Probe Index
        ('1.3.6.1.2.1.81.1.4.1.4', 2, 'r', 'E79'),  # History Hop Address Type
        ('1.3.6.1.2.1.81.1.4.1.5', 76, 'r', None),  # History Hop Address
        ('1.3.6.1.2.1.81.1.4.1.6', 66, 'r', None),  # History Response
        ('1.3.6.1.2.1.81.1.4.1.7', 2, 'r', 'E80'),  # History Status
        ('1.3.6.1.2.1.81.1.4.1.8', 2, 'r', None),  # History Last RC
        ('1.3.6.1.2.1.81.1.4.1.9', 76, 'r', None),  # History Time
    ]),
    ('RouteHopsTable1Click', '1.3.6.1.2.1.81.1.5.1', 3, 3, [
        (None, 76, 'i', None),  # Owner Index
        (None, 76, 'i', None),  # Test Name
        ('1.3.6.1.2.1.81.1.5.1.1', 66, 'i', None),  # Hop Index
        ('1.3.6.1.2.1.81.1.5.1.2', 2, 'r', 'E79'),  # IP Target Address Type
        ('1.3.6.1.2.1.81.1.5.1.3', 76, 'r', None),  # IP Target Address
        ('1.3.6.1.2.1.81.1.5.1.4', 66, 'r', None),  # Min Rtt
        ('1.3.6.1.2.1.81.1.5.1.5', 66, 'r', None),  # Max Rtt
        ('1.3.6.1.2.1.81.1.5.1.6', 66, 'r', None),  # Average Rtt
        ('1.3.6.1.2.1.81.1.5.1.7', 66, 'r', None),  # Rtt Sum Of Squares
        ('1.3.6.1.2.1.81.1.5.1.8', 66, 'r', None),  # Sent Probes
        ('1.3.6.1.2.1.81.1.5.1.9', 66, 'r', None),  # Probe Responses
        ('1.3.6.1.2.1.81.1.5.1.10', 76, 'r', None),  # Last Good Probe
    ]),
]


# ---------------------------------------------------------------------------
# Objects of the hand-laid windows and of the standard MIBs, in the same form
# as WINDOWS: (name, entry or group OID, list kind, index count, variables).
# A variable's OID may be relative to the entry (".3"). An enumeration may be a
# tag of ENUMS or a list of values; "rs" marks a RowStatus column.

P = '.'  # relative marker


def rel(base, vars_):
    out = []
    for v in vars_:
        o = v[0]
        if o is not None and o.startswith('.'):
            o = base + o
        out.append((o,) + tuple(v[1:]))
    return out


RS3 = [1, 4, 6]  # active, createAndGo, destroy

HAND = [
    # System group and interfaces (MIB-II, IF-MIB).
    ('system', '1.3.6.1.2.1.1', 0, 0, [
        ('.1', 76, 'r', None), ('.2', 6, 'r', None), ('.3', 67, 'r', None), ('.4', 76, 'w', None),
        ('.5', 76, 'w', None), ('.6', 76, 'w', None), ('.7', 2, 'r', None)]),
    ('ifNumber', '1.3.6.1.2.1.2', 0, 0, [('.1', 2, 'r', None)]),
    ('ifTable', '1.3.6.1.2.1.2.2.1', 2, 1, [
        ('.1', 2, 'i', None), ('.2', 76, 'r', None), ('.3', 2, 'r', None), ('.4', 2, 'r', None),
        ('.5', 66, 'r', None), ('.6', 4, 'r', None), ('.7', 2, 'w', [1, 2, 3]), ('.8', 2, 'r', None),
        ('.9', 67, 'r', None), ('.10', 65, 'r', None), ('.11', 65, 'r', None), ('.12', 65, 'r', None),
        ('.13', 65, 'r', None), ('.14', 65, 'r', None), ('.15', 65, 'r', None), ('.16', 65, 'r', None),
        ('.17', 65, 'r', None), ('.18', 65, 'r', None), ('.19', 65, 'r', None), ('.20', 65, 'r', None)]),
    ('ifStackLastChange', '1.3.6.1.2.1.31.1', 0, 0, [('.5', 67, 'r', None)]),
    ('dot3StatsIndex', '1.3.6.1.2.1.10.7.2.1', 2, 1, [('.1', 2, 'r', None), ('.2', 65, 'r', None),
                                                       ('.3', 65, 'r', None), ('.19', 2, 'r', [1, 2, 3])]),
    ('dot3ControlTable', '1.3.6.1.2.1.10.7.9.1', 2, 1, [('.1', 3, 'r', None), ('.2', 65, 'r', None)]),
    ('dot3PauseTable', '1.3.6.1.2.1.10.7.10.1', 2, 1, [
        ('.1', 2, 'w', [1, 2, 3, 4]), ('.2', 2, 'r', [1, 2, 3, 4]), ('.3', 65, 'r', None), ('.4', 65, 'r', None)]),
    # Q-BRIDGE: VLAN basics, static and current VLANs, port VLAN settings, static addresses.
    ('dot1qBase', '1.3.6.1.2.1.17.7.1.1', 0, 0, [
        ('.1', 2, 'r', None), ('.2', 2, 'r', None), ('.3', 66, 'r', None), ('.4', 66, 'r', None),
        ('.5', 2, 'w', [1, 2])]),
    ('dot1qVlan', '1.3.6.1.2.1.17.7.1.4', 0, 0, [
        ('.1', 65, 'r', None), ('.4', 2, 'r', None), ('.9', 2, 'r', None), ('.10', 2, 'r', [1, 2])]),
    ('dot1qVlanStaticTable', '1.3.6.1.2.1.17.7.1.4.3.1', 3, 1, [
        (None, 66, 'i', None), ('.1', 76, 'w', None), ('.2', 3, 'w', None), ('.3', 3, 'w', None),
        ('.4', 3, 'w', None), ('.5', 2, 'w', 'rs')]),
    ('dot1qVlanCurrentTable', '1.3.6.1.2.1.17.7.1.4.2.1', 2, 2, [
        (None, 67, 'i', None), (None, 66, 'i', None), ('.3', 66, 'r', None), ('.4', 3, 'r', None),
        ('.5', 3, 'r', None), ('.6', 2, 'r', [1, 2, 3]), ('.7', 67, 'r', None)]),
    ('dot1qPortVlanTable', '1.3.6.1.2.1.17.7.1.4.5.1', 2, 1, [
        (None, 2, 'i', None), ('.1', 66, 'w', None), ('.2', 2, 'w', [1, 2]), ('.3', 2, 'w', [1, 2]),
        ('.4', 2, 'w', [1, 2]), ('.5', 65, 'r', None), ('.6', 73, 'r', None)]),
    ('dot1qStaticUnicastTable', '1.3.6.1.2.1.17.7.1.3.1.1', 3, 3, [
        (None, 66, 'i', None), (None, 73, 'i', None), (None, 2, 'i', None), ('.3', 3, 'w', None),
        ('.4', 2, 'w', 'qstatus')]),
    ('dot1qStaticMulticastTable', '1.3.6.1.2.1.17.7.1.3.2.1', 3, 3, [
        (None, 66, 'i', None), (None, 73, 'i', None), (None, 2, 'i', None), ('.3', 3, 'w', None),
        ('.4', 3, 'w', None), ('.5', 2, 'w', 'qstatus')]),
    ('guestVlan', ENT + '.12.30.1', 0, 0, [('.1', 76, 'w', None), ('.2', 3, 'w', None), ('.3', 2, 'w', [1, 2])]),
    # Access profiles.
    ('ethernetProfile', ENT + '.12.9.2.1.1', 3, 1, [
        ('.1', 2, 'i', None), ('.2', 2, 'w', [1, 2]), ('.3', 2, 'w', [1, 2, 3, 4]), ('.4', 73, 'w', None),
        ('.5', 73, 'w', None), ('.6', 2, 'w', [1, 2]), ('.7', 2, 'w', [1, 2]), ('.8', 2, 'w', 'rs3')]),
    ('ipProfile', ENT + '.12.9.2.2.1', 3, 1, [
        ('.1', 2, 'i', None), ('.2', 2, 'w', [1, 2]), ('.3', 2, 'w', [1, 2, 3, 4]), ('.4', 64, 'w', None),
        ('.5', 64, 'w', None), ('.6', 2, 'w', [1, 2]), ('.7', 2, 'w', [1, 2, 3, 4, 5, 6]),
        ('.8', 2, 'w', [1, 2, 3, 4]), ('.9', 2, 'w', [1, 2]), ('.10', 2, 'w', [1, 2, 3, 4]),
        ('.11', 2, 'w', [1, 2, 3, 4]), ('.12', 4, 'w', 'port-mask'), ('.13', 4, 'w', 'port-mask'),
        ('.14', 2, 'w', [1, 2]), ('.15', 2, 'w', 'flag-bits'), ('.16', 2, 'w', [1, 2]),
        ('.17', 4, 'w', 'protocol-mask'), ('.18', 2, 'w', 'rs3')]),
    ('userProfile', ENT + '.12.9.2.3.1', 3, 1, [
        ('.1', 2, 'i', None), ('.2', 4, 'w', 'offset-mask'), ('.3', 4, 'w', 'offset-mask'),
        ('.4', 4, 'w', 'offset-mask'), ('.5', 4, 'w', 'offset-mask'), ('.6', 4, 'w', 'offset-mask'),
        ('.7', 2, 'w', 'rs3')]),
    ('ipv6Profile', ENT + '.12.9.2.4.1', 3, 1, [
        ('.1', 2, 'i', None), ('.2', 2, 'w', [1, 2]), ('.3', 2, 'w', [1, 2]), ('.4', 2, 'w', [1, 2, 3]),
        ('.5', 77, 'w', None), ('.6', 77, 'w', None), ('.7', 2, 'w', 'rs3')]),
    ('cpuEthernetProfile', ENT + '.12.9.4.1.1', 3, 1, [
        ('.1', 2, 'i', None), ('.2', 2, 'w', [1, 2]), ('.3', 2, 'w', [1, 2, 3, 4]), ('.4', 73, 'w', None),
        ('.5', 73, 'w', None), ('.6', 2, 'w', [1, 2]), ('.7', 2, 'w', [1, 2]), ('.8', 2, 'w', 'rs3')]),
    ('cpuIpProfile', ENT + '.12.9.4.2.1', 3, 1, [
        ('.1', 2, 'i', None), ('.2', 2, 'w', [1, 2]), ('.3', 2, 'w', [1, 2, 3, 4]), ('.4', 64, 'w', None),
        ('.5', 64, 'w', None), ('.6', 2, 'w', [1, 2]), ('.7', 2, 'w', [1, 2, 3, 4, 5, 6]),
        ('.8', 2, 'w', [1, 2, 3, 4]), ('.9', 2, 'w', [1, 2]), ('.10', 2, 'w', [1, 2, 3, 4]),
        ('.11', 2, 'w', [1, 2, 3, 4]), ('.12', 4, 'w', 'port-mask'), ('.13', 4, 'w', 'port-mask'),
        ('.14', 2, 'w', [1, 2]), ('.15', 2, 'w', 'flag-bits'), ('.16', 2, 'w', [1, 2]),
        ('.17', 2, 'w', 'byte'), ('.18', 4, 'w', 'user-mask'), ('.19', 2, 'w', 'rs3')]),
    ('cpuUserProfile', ENT + '.12.9.4.3.1', 3, 1, [
        ('.1', 2, 'i', None), ('.2', 4, 'w', 'offset-mask'), ('.3', 4, 'w', 'offset-mask'),
        ('.4', 4, 'w', 'offset-mask'), ('.5', 4, 'w', 'offset-mask'), ('.6', 4, 'w', 'offset-mask'),
        ('.7', 2, 'w', 'rs3')]),
    # Access rules (profile ID, access ID).
    ('ethernetRule', ENT + '.12.9.3.1.1', 3, 2, [
        ('.1', 2, 'i', None), ('.2', 2, 'i', None), ('.3', 76, 'w', None), ('.4', 73, 'w', None),
        ('.5', 73, 'w', None), ('.6', 2, 'w', 'priority'), ('.7', 4, 'w', 'ethertype'), ('.9', 2, 'w', 'priority'),
        ('.13', 2, 'w', 'rate'), ('.14', 2, 'w', [1, 2]), ('.15', 3, 'w', None), ('.17', 76, 'w', None),
        ('.18', 2, 'w', 'rs3')]),
    ('ipRule', ENT + '.12.9.3.2.1', 3, 2, [
        ('.1', 2, 'i', None), ('.2', 2, 'i', None), ('.3', 76, 'w', None), ('.4', 64, 'w', None),
        ('.5', 64, 'w', None), ('.6', 2, 'w', 'dscp'), ('.7', 2, 'r', [1, 2, 3, 4, 5, 6]), ('.10', 2, 'w', 'l4port'),
        ('.11', 2, 'w', 'l4port'), ('.12', 2, 'w', 'flag-bits'), ('.13', 2, 'w', 'byte'), ('.16', 2, 'w', 'priority'),
        ('.20', 2, 'w', 'rate'), ('.21', 2, 'w', [1, 2]), ('.22', 3, 'w', None), ('.24', 76, 'w', None),
        ('.25', 2, 'w', 'rs3')]),
    ('userRule', ENT + '.12.9.3.3.1', 3, 2, [
        ('.1', 2, 'i', None), ('.2', 2, 'i', None),
        ('.8', 2, 'w', 'offset'), ('.9', 4, 'r', None), ('.10', 4, 'w', 'data'),
        ('.11', 2, 'w', 'offset'), ('.12', 4, 'r', None), ('.13', 4, 'w', 'data'),
        ('.14', 2, 'w', 'offset'), ('.15', 4, 'r', None), ('.16', 4, 'w', 'data'),
        ('.17', 2, 'w', 'offset'), ('.18', 4, 'r', None), ('.19', 4, 'w', 'data'),
        ('.20', 2, 'w', 'offset'), ('.21', 4, 'r', None), ('.22', 4, 'w', 'data'),
        ('.24', 2, 'w', 'priority'), ('.28', 2, 'w', 'rate'), ('.29', 2, 'w', [1, 2]), ('.30', 3, 'w', None),
        ('.32', 76, 'w', None), ('.33', 2, 'w', 'rs3')]),
    ('cpuEthernetRule', ENT + '.12.9.5.1.1', 3, 2, [
        ('.1', 2, 'i', None), ('.2', 2, 'i', None), ('.3', 76, 'w', None), ('.4', 73, 'w', None),
        ('.5', 73, 'w', None), ('.6', 2, 'w', 'priority'), ('.7', 4, 'w', 'ethertype'), ('.8', 2, 'w', [1, 2]),
        ('.9', 3, 'w', None), ('.10', 76, 'w', None), ('.11', 2, 'w', 'rs3')]),
    ('cpuIpRule', ENT + '.12.9.5.2.1', 3, 2, [
        ('.1', 2, 'i', None), ('.2', 2, 'i', None), ('.3', 76, 'w', None), ('.4', 64, 'w', None),
        ('.5', 64, 'w', None), ('.6', 2, 'w', 'dscp'), ('.7', 2, 'r', [1, 2, 3, 4, 5, 6]), ('.8', 2, 'w', 'byte'),
        ('.9', 2, 'w', 'byte'), ('.10', 2, 'w', 'l4port'), ('.11', 2, 'w', 'l4port'), ('.12', 2, 'w', 'flag-bits'),
        ('.13', 2, 'w', 'byte'), ('.14', 4, 'w', 'user-mask'), ('.15', 2, 'w', [1, 2]), ('.16', 3, 'w', None),
        ('.17', 76, 'w', None), ('.18', 2, 'w', 'rs3')]),
    ('cpuUserRule', ENT + '.12.9.5.3.1', 3, 2, [
        ('.1', 2, 'i', None), ('.2', 2, 'i', None), ('.3', 4, 'w', 'offset-mask'), ('.4', 4, 'w', 'offset-mask'),
        ('.5', 4, 'w', 'offset-mask'), ('.6', 4, 'w', 'offset-mask'), ('.7', 4, 'w', 'offset-mask'),
        ('.8', 2, 'w', [1, 2]), ('.9', 3, 'w', None), ('.10', 76, 'w', None), ('.11', 2, 'w', 'rs3')]),
    # Port grouping: trunks, mirror, LACP ports, traffic segmentation.
    ('trunkTable', SWL2 + '.4.3.1', 3, 1, [
        ('.1', 2, 'i', None), ('.2', 2, 'w', 'port'), ('.3', 3, 'w', None), ('.4', 2, 'w', [1, 2]),
        ('.5', 3, 'r', None), ('.6', 2, 'w', 'rs'), ('.7', 2, 'r', None)]),
    ('mirror', SWL2 + '.6', 0, 0, [('.2', 3, 'w', None), ('.3', 3, 'w', None), ('.4', 2, 'w', 'port'),
                                   ('.5', 2, 'w', [2, 3])]),
    ('lacpPortTable', ENT + '.12.4.1.2.1.1', 3, 1, [
        ('.1', 2, 'i', None), ('.2', 2, 'r', None), ('.3', 73, 'r', None), ('.4', 2, 'w', 'key'),
        ('.5', 2, 'r', None), ('.6', 2, 'r', None), ('.7', 2, 'r', None), ('.8', 73, 'w', None),
        ('.9', 73, 'r', None), ('.10', 2, 'w', 'key'), ('.11', 2, 'r', None), ('.12', 2, 'r', None),
        ('.13', 2, 'r', None), ('.14', 2, 'r', None), ('.15', 2, 'r', None), ('.16', 2, 'r', None),
        ('.17', 2, 'r', None), ('.18', 2, 'r', None), ('.19', 2, 'r', None), ('.20', 3, 'w', 'state-bits'),
        ('.21', 3, 'r', None), ('.22', 3, 'w', 'state-bits'), ('.23', 3, 'r', None), ('.24', 2, 'r', 'E6')]),
    ('segmentationTable', SWL2 + '.12.1.1', 3, 1, [('.1', 2, 'i', None), ('.2', 3, 'w', None)]),
    # Time: time ranges, network time, summer time.
    ('timeRangeTable', ENT + '.12.50.3.1.1', 3, 1, [
        ('.1', 76, 'i', None), ('.2', 3, 'w', 'day-bits'), ('.3', 76, 'w', None), ('.4', 76, 'w', None),
        ('.5', 2, 'w', 'rs3')]),
    ('sntp', ENT + '.12.10.11', 0, 0, [
        ('.1', 2, 'w', [2, 3]), ('.2', 2, 'r', [0, 1, 2]), ('.3', 64, 'w', None), ('.4', 64, 'w', None),
        ('.5', 2, 'w', 'poll')]),
    ('summerTime', ENT + '.12.10.12', 0, 0, [
        ('.1', 2, 'w', [0, 1, 2]), ('.2', 2, 'w', 'offset-minutes'), ('.3', 4, 'w', None), ('.4', 4, 'w', None),
        ('.5', 4, 'w', None), ('.6', 4, 'w', None)]),
    # Servers and access.
    ('loginMethodTable', ENT + '.12.5.3.1', 3, 1, [
        ('.1', 76, 'i', None), ('.2', 2, 'w', 'method'), ('.3', 76, 'w', None), ('.4', 2, 'w', 'method'),
        ('.5', 76, 'w', None), ('.6', 2, 'w', 'method'), ('.7', 76, 'w', None), ('.8', 2, 'w', 'method'),
        ('.9', 76, 'w', None), ('.10', 2, 'w', 'rs3')]),
    ('enableMethodTable', ENT + '.12.5.4.1', 3, 1, [
        ('.1', 76, 'i', None), ('.2', 2, 'w', 'method'), ('.3', 76, 'w', None), ('.4', 2, 'w', 'method'),
        ('.5', 76, 'w', None), ('.6', 2, 'w', 'method'), ('.7', 76, 'w', None), ('.8', 2, 'w', 'method'),
        ('.9', 76, 'w', None), ('.10', 2, 'w', 'rs3')]),
    ('serverHostTable', ENT + '.12.5.10.1', 3, 2, [
        ('.1', 64, 'i', None), ('.2', 2, 'i', None), ('.3', 2, 'w', 'l4port1'), ('.4', 76, 'w', None),
        ('.5', 2, 'w', 'byte1'), ('.6', 2, 'w', 'byte1'), ('.7', 2, 'w', 'rs3')]),
    ('serverGroupMemberTable', ENT + '.12.5.12.1', 3, 3, [
        ('.1', 76, 'i', None), ('.2', 64, 'i', None), ('.3', 2, 'i', None), ('.4', 2, 'w', 'addstatus')]),
    ('radiusServerTable', ENT + '.12.3.2.4.1', 3, 1, [
        ('.1', 2, 'i', None), ('.2', 64, 'w', None), ('.3', 76, 'w', None), ('.4', 2, 'w', 'l4port1'),
        ('.5', 2, 'w', 'l4port1'), ('.6', 2, 'w', 'rs')]),
    ('syslogHostTable', ENT + '.12.12.2.1', 3, 1, [
        ('.1', 2, 'i', None), ('.2', 64, 'w', None), ('.3', 2, 'w', [0, 1, 2, 3, 4, 5, 6, 7]),
        ('.4', 2, 'w', [1, 2, 3]), ('.5', 2, 'w', 'l4port'), ('.6', 2, 'w', [2, 3]), ('.7', 2, 'w', 'rs3')]),
    ('smtp', ENT + '.12.29.1', 0, 0, [
        ('.1', 2, 'w', [2, 3]), ('.2', 64, 'w', None), ('.3', 2, 'w', 'l4port'), ('.4', 76, 'w', None),
        ('.5', 76, 'w', None), ('.6', 76, 'w', None), ('.7', 2, 'w', [1, 2])]),
    ('sslCertificate', ENT + '.12.7.2', 0, 0, [
        ('.1', 64, 'w', None), ('.2', 76, 'w', None), ('.3', 76, 'w', None), ('.4', 2, 'w', [1, 2, 3, 4]),
        ('.5', 2, 'r', [1, 2, 3])]),
    ('ssl', ENT + '.12.7.1', 0, 0, [('.1', 2, 'w', [2, 3]), ('.2', 3, 'w', None), ('.3', 2, 'w', 'cache')]),
    # 802.1X statistics by MAC address.
    ('macStatisticTable', ENT + '.12.3.6.2.1', 2, 2, [
        (None, 76, 'i', None), (None, 2, 'i', None)] + [('.%d' % c, 65, 'r', None) for c in range(1, 11)] + [
        ('.11', 66, 'r', None), ('.12', 73, 'r', None)]),
    ('macDiagnosticsTable', ENT + '.12.3.6.3.1', 2, 2, [
        (None, 76, 'i', None), (None, 2, 'i', None)] + [('.%d' % c, 65, 'r', None) for c in range(1, 19)]),
    # Port security, IP-MAC binding, IGMP router ports.
    ('portSecurityDelete', SWL2 + '.15.3', 0, 0, [
        ('.1', 76, 'w', None), ('.2', 2, 'w', 'port768'), ('.3', 73, 'w', None), ('.4', 2, 'w', [1, 2])]),
    ('ipMacBindingTable', ENT + '.12.23.4.1.1', 3, 1, [
        ('.1', 64, 'i', None), ('.2', 73, 'w', None), ('.3', 2, 'w', 'rs3'), ('.4', 3, 'w', None),
        ('.5', 2, 'w', [1, 2])]),
    ('ipMacBlockedTable', ENT + '.12.23.4.2.1', 3, 2, [
        ('.1', 66, 'i', None), ('.2', 73, 'i', None), ('.3', 76, 'r', None), ('.4', 2, 'r', None),
        ('.5', 2, 'w', 'blocked')]),
    ('igmpRouterPortTable', SWL2 + '.7.6.1', 3, 1, [
        ('.1', 2, 'i', None), ('.2', 76, 'r', None), ('.3', 3, 'w', None), ('.4', 3, 'r', None)]),
    # Protection and relay.
    ('safeguard', ENT + '.12.19.2', 0, 0, [
        ('.1', 2, 'w', 'percent20'), ('.2', 2, 'w', 'percent20'), ('.3', 2, 'w', [1, 2]), ('.4', 2, 'w', [2, 3]),
        ('.5', 2, 'r', [1, 2]), ('.6', 2, 'r', None)]),
    ('packetStorm', ENT + '.12.25.1', 0, 0, [('.1', 3, 'w', None), ('.2', 2, 'w', [1, 2, 3, 4])]),
    ('dhcpRelayControlTable', SWL2 + '.18.7.1', 3, 2, [
        ('.1', 76, 'i', None), ('.2', 64, 'i', None), ('.3', 2, 'w', 'relaystate')]),
    # Spanning tree, update files, member switches.
    ('stp', ENT + '.12.15.1', 0, 0, [
        ('.1', 2, 'w', [2, 3]), ('.2', 2, 'w', [0, 1, 2]), ('.3', 2, 'w', 'maxage'), ('.4', 2, 'w', 'hello'),
        ('.5', 2, 'w', 'fwddelay'), ('.6', 2, 'w', 'maxhops'), ('.7', 2, 'w', 'txhold'), ('.8', 2, 'w', [2, 3]),
        ('.9', 2, 'w', [2, 3]), ('.10', 2, 'w', 'lbdrecover')]),
    ('updateFileTable', ENT + '.12.1.2.1.1', 3, 1, [
        ('.1', 2, 'i', None), ('.2', 76, 'w', None), ('.3', 64, 'w', None), ('.4', 2, 'w', [2, 3]),
        ('.5', 76, 'w', None), ('.6', 2, 'w', 'locate'), ('.7', 2, 'w', [2, 3]), ('.8', 2, 'w', [2, 3, 4, 5]),
        ('.9', 2, 'w', [1, 2]), ('.10', 2, 'w', None)]),
    ('memberSwitchTable', ENT + '.12.8.1.3.1', 3, 1, [
        ('.1', 2, 'i', None), ('.2', 76, 'r', None), ('.3', 73, 'r', None), ('.4', 76, 'r', None),
        ('.5', 76, 'r', None), ('.6', 76, 'r', None), ('.7', 2, 'r', None), ('.8', 2, 'w', 'member'),
        ('.9', 76, 'w', None), ('.10', 2, 'w', 'rs3')]),
    ('ledStatus', SWL2 + '.1.1', 0, 0, [('.5', 4, 'r', None)]),
    # SNMP community table: rows for the default communities (the simulator adds
    # the communities of its command line).
    ('snmpCommunityTable', '1.3.6.1.6.3.18.1.1.1', 3, 1, [
        ('.1', 76, 'j', None), ('.2', 76, 'w', None), ('.3', 76, 'w', None), ('.4', 4, 'w', None),
        ('.5', 76, 'w', None), ('.6', 76, 'w', None), ('.7', 2, 'w', 'E11'), ('.8', 2, 'w', 'E12')]),
]
HAND = [(n, b, k, i, rel(b, v)) for n, b, k, i, v in HAND]

# Named constraints: (enum list or None, range, size).
NAMED = {
    'rs': ([1, 2, 4, 5, 6], None, None),
    'rs3': ([1, 4, 6], None, None),
    'qstatus': ([1, 2, 3, 4, 5], None, None),
    'port-mask': (None, None, (2, 2)),
    'protocol-mask': (None, None, (1, 1)),
    'offset-mask': (None, None, (0, 16)),
    'user-mask': (None, None, (4, 4)),
    'flag-bits': (None, (0, 63), None),
    'byte': (None, (0, 255), None),
    'byte1': (None, (1, 255), None),
    'priority': (None, (0, 7), None),
    'dscp': (None, (0, 63), None),
    'rate': (None, (0, 1024000), None),
    'l4port': (None, (0, 65535), None),
    'l4port1': (None, (1, 65535), None),
    'ethertype': (None, None, (2, 2)),
    'offset': (None, (0, 76), None),
    'data': (None, None, (0, 4)),
    'port': (None, (0, 64), None),
    'port768': (None, (0, 768), None),
    'key': (None, (0, 65535), None),
    'state-bits': (None, None, (1, 1)),
    'day-bits': (None, None, (1, 1)),
    'poll': (None, (30, 99999), None),
    'offset-minutes': (None, (30, 120), None),
    'method': ([1, 2, 3, 4, 5, 6, 7, 8, 9], None, None),
    'addstatus': ([1, 2], None, None),
    'blocked': ([2, 3], None, None),
    'relaystate': ([2, 3], None, None),
    'cache': (None, (60, 86400), None),
    'percent20': (None, (20, 100), None),
    'maxage': (None, (600, 4000), None),
    'hello': (None, (100, 1000), None),
    'fwddelay': (None, (400, 3000), None),
    'maxhops': (None, (1, 20), None),
    'txhold': (None, (1, 10), None),
    'lbdrecover': (None, (0, 1000000), None),
    'locate': (None, (1, 16), None),
    'member': (None, (1, 32), None),
}

# Columns whose row is created by writing them to a missing row, and the value
# that removes the row (the Q-BRIDGE static tables and the status columns of a
# few enterprise tables that are not RowStatus).
CREATE_DESTROY = {
    '1.3.6.1.2.1.17.7.1.3.1.1.4': 2,
    '1.3.6.1.2.1.17.7.1.3.2.1.5': 2,
    ENT + '.12.5.12.1.4': 2,
    SWL2 + '.18.7.1.3': 2,
}
DESTROY_ONLY = {ENT + '.12.23.4.2.1.5': 3}

# Constraints of the generated windows' writable variables that their edit
# fields state (the switch refuses what the window would not send).
WINDOW_RANGES = {
    '1.3.6.1.2.1.17.4.2': (10, 1000000),
    SWL2 + '.1.2.5': (1, 4094),
    SWL2 + '.1.2.20': (1, 500),
    SWL2 + '.1.2.21': (1, 2147483647),
    SWL2 + '.7.3.1.2': (1, 65535),
    SWL2 + '.7.3.1.3': (1, 25),
    SWL2 + '.7.3.1.4': (1, 255),
    SWL2 + '.7.3.1.5': (1, 65535),
    ENT + '.12.6.1.3': (1, 99),
    ENT + '.12.8.1.2.3': (100, 255),
    ENT + '.12.8.1.2.4': (30, 90),
    ENT + '.12.12.3.2': (1, 65535),
    ENT + '.12.15.2.2': (0, 65535),
    ENT + '.12.15.2.3.1.12': (0, 61440),
    ENT + '.12.24.1.1': (37, 370),
    ENT + '.12.24.3.1.1.5': (1000, 16800),
    ENT + '.12.5.8.1': (1, 255),
    ENT + '.12.5.8.2': (1, 255),
    '1.3.6.1.2.1.17.6.1.2.1.1.1': (0, 7),
    '1.3.6.1.2.1.17.6.1.2.2.1.2': (0, 7),
    '1.3.6.1.2.1.17.6.1.2.3.1.2': (0, 7),
}

# Index columns of standard tables that the MIBs make not-accessible: never served.
NOT_ACCESSIBLE = {
    '1.3.6.1.2.1.17.6.1.2.2.1.1', '1.3.6.1.2.1.17.6.1.2.3.1.1', '1.3.6.1.2.1.17.7.1.2.2.1.1',
    '1.3.6.1.2.1.17.7.1.2.1.1.1', '1.3.6.1.2.1.10.7.5.1.2', '1.3.6.1.2.1.80.1.2.1.1',
    '1.3.6.1.2.1.80.1.2.1.2', '1.3.6.1.2.1.80.1.4.1.1', '1.3.6.1.2.1.81.1.2.1.1', '1.3.6.1.2.1.81.1.2.1.2',
    '1.3.6.1.2.1.81.1.4.1.1', '1.3.6.1.2.1.81.1.4.1.2', '1.3.6.1.2.1.81.1.4.1.3', '1.3.6.1.2.1.81.1.5.1.1',
    '1.3.6.1.6.3.18.1.1.1.1', '1.3.6.1.2.1.2.2.1.1x',
}

# ---------------------------------------------------------------------------
# Rows of every table, as instance tuples.

ALL_PORTS = list(range(1, PORTS + 1))
VLANS = [(1, 'default', ALL_PORTS, ALL_PORTS), (10, 'sales', [1, 2, 3, 4, 5, 6, 25, 26], [1, 2, 3, 4, 5, 6]),
         (20, 'engineering', [7, 8, 9, 10, 11, 12, 25, 26], [7, 8, 9, 10, 11, 12]),
         (100, 'management', [24, 25, 26], [24])]
LINK_DOWN = {13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 27, 28}  # nothing plugged in
ADMIN_DOWN = {22}
SPEED_100 = {5, 6, 11}


def s_index(text):
    return (len(text),) + tuple(ord(c) for c in text)


def j_index(text):
    return tuple(ord(c) for c in text)


def ip_index(ip):
    return tuple(int(x) for x in ip.split('.'))


def mac(n, base=None):
    b = list(base or MAC_BASE)
    b[5] = n & 0xFF
    b[4] = (b[4] + (n >> 8)) & 0xFF
    return tuple(b)


HOST_MACS = [mac(i, [0x00, 0x0C, 0x29, 0x11, 0x20, 0x00]) for i in range(1, 9)]

PING = s_index('admin') + s_index('gateway')
TRACE = s_index('admin') + s_index('uplink')

ROWS = {
    ENT + '.12.1.1.2.1': [(i,) for i in range(1, 5)],
    '1.3.6.1.2.1.17.6.1.2.2.1': [(p, u) for p in ALL_PORTS for u in range(8)],
    '1.3.6.1.2.1.17.6.1.2.3.1': [(p, u) for p in ALL_PORTS for u in range(8)],
    '1.3.6.1.2.1.17.6.1.2.4.1': [(p, u) for p in ALL_PORTS for u in range(8)],
    '1.3.6.1.2.1.17.7.1.2.2.1': [(1,) + m for m in HOST_MACS],
    '1.3.6.1.2.1.17.7.1.2.1.1': [(1,)],
    ENT + '.12.3.6.1.1': [HOST_MACS[2] + (9,)],
    ENT + '.12.3.6.4.1': [(6,) + HOST_MACS[2] + (9,)],
    ENT + '.12.3.6.2.1': [(6,) + HOST_MACS[2] + (9,)],
    ENT + '.12.3.6.3.1': [(6,) + HOST_MACS[2] + (9,)],
    ENT + '.12.3.3.3.1': [(1,), (2,)],
    ENT + '.12.3.5.3.1': [(1,), (2,)],
    ENT + '.12.3.4.3.1': [(1,), (2,), (3,)],
    SWL2 + '.2.1.1': [(p, 100) for p in ALL_PORTS] + [(25, 101), (26, 101)],
    SWL2 + '.2.2.1': [(p, 100) for p in ALL_PORTS] + [(25, 101), (26, 101)],
    SWL2 + '.3.2.1': [(c,) for c in range(4)],
    SWL2 + '.3.3.1': [(u,) for u in range(8)],
    SWL2 + '.7.3.1': [(v[0],) for v in VLANS],
    SWL2 + '.7.4.1': [(v[0],) for v in VLANS],
    SWL2 + '.7.5.1': [(10, 239, 1, 1, 10), (10, 239, 255, 255, 250)],
    SWL2 + '.7.6.1': [(v[0],) for v in VLANS],
    ENT + '.12.8.1.4.1': [(1,), (2,)],
    ENT + '.12.8.1.5.1': [mac(0x31, [0x00, 0x1B, 0x21, 0x5A, 0x41, 0x00])],
    ENT + '.12.8.1.6.1': [(25,) + mac(0x31, [0x00, 0x1B, 0x21, 0x5A, 0x41, 0x00])],
    ENT + '.12.8.1.3.1': [],
    ENT + '.12.5.9.1': [s_index('tacacs+'), s_index('radius')],
    ENT + '.12.15.2.3.1': [(0,), (1,)],
    ENT + '.12.15.2.5.1': [(p, i) for p in ALL_PORTS for i in (0, 1)],
    '1.3.6.1.2.1.16.19.11.1': [(1,)],
    ENT + '.12.1.2.7.1': [(1,), (2,)],
    ENT + '.12.1.2.1.1': [(1,)],
    ENT + '.12.29.3.1.1': [(1,)],
    '1.3.6.1.2.1.10.7.5.1': [(p, c) for p in (1, 2, 3, 4, 7, 8) for c in (1, 2, 3)],
    SWL2 + '.17.3.3.1': [HOST_MACS[0]],
    SWL2 + '.17.3.4.1': [(t,) for t in range(8)],
    SWL2 + '.17.3.5.1': [(d,) for d in range(64)],
    ENT + '.12.24.3.1.1': [(p,) for p in range(1, 25)],
    ENT + '.12.24.4.1.1': [(p,) for p in range(1, 25)],
    '1.3.6.1.2.1.80.1.2.1': [PING],
    '1.3.6.1.2.1.80.1.3.1': [PING],
    '1.3.6.1.2.1.80.1.4.1': [PING + (i,) for i in (1, 2, 3)],
    '1.3.6.1.2.1.81.1.2.1': [TRACE],
    '1.3.6.1.2.1.81.1.3.1': [TRACE],
    '1.3.6.1.2.1.81.1.4.1': [TRACE + (1, h, 1) for h in (1, 2, 3)],
    '1.3.6.1.2.1.81.1.5.1': [TRACE + (h,) for h in (1, 2, 3)],
    '1.3.6.1.6.3.18.1.1.1': [j_index(c) for c in ('kestrel', 'private', 'public', 'wombat')],
    '1.3.6.1.6.3.18.1.2.1': [],
    '1.3.6.1.2.1.17.7.1.4.3.1': [(v[0],) for v in VLANS],
    '1.3.6.1.2.1.17.7.1.4.2.1': [(0, v[0]) for v in VLANS],
    '1.3.6.1.2.1.17.7.1.3.1.1': [(1,) + HOST_MACS[4] + (0,)],
    '1.3.6.1.2.1.17.7.1.3.2.1': [(10, 0x01, 0x00, 0x5E, 0x00, 0x00, 0x01, 0)],
    ENT + '.12.9.2.1.1': [(1,), (2,)],
    ENT + '.12.9.2.2.1': [(3,), (4,)],
    ENT + '.12.9.2.3.1': [(6,)],
    ENT + '.12.9.2.4.1': [(5,)],
    ENT + '.12.9.4.1.1': [(1,)],
    ENT + '.12.9.4.2.1': [(2,)],
    ENT + '.12.9.4.3.1': [],
    ENT + '.12.9.3.1.1': [(1, 1), (1, 2), (2, 1)],
    ENT + '.12.9.3.2.1': [(3, 1), (3, 2), (4, 1)],
    ENT + '.12.9.3.3.1': [(6, 1)],
    ENT + '.12.9.5.1.1': [(1, 1)],
    ENT + '.12.9.5.2.1': [(2, 1)],
    ENT + '.12.9.5.3.1': [],
    SWL2 + '.4.3.1': [(1,)],
    ENT + '.12.50.3.1.1': [s_index('workhours'), s_index('weekend')],
    ENT + '.12.5.3.1': [s_index('default'), s_index('remote')],
    ENT + '.12.5.4.1': [s_index('default')],
    ENT + '.12.5.10.1': [ip_index('10.90.90.5') + (3,), ip_index('10.90.90.6') + (4,)],
    ENT + '.12.5.12.1': [s_index('tacacs+') + ip_index('10.90.90.5') + (3,),
                         s_index('radius') + ip_index('10.90.90.6') + (4,)],
    ENT + '.12.3.2.4.1': [(1,), (2,)],
    ENT + '.12.12.2.1': [(1,)],
    ENT + '.12.23.4.1.1': [ip_index('10.90.90.20'), ip_index('10.90.90.21')],
    ENT + '.12.23.4.2.1': [(10,) + HOST_MACS[7]],
    SWL2 + '.18.7.1': [s_index('System') + ip_index('10.90.90.200')],
    ENT + '.12.4.1.1.1.1': [(p,) for p in ALL_PORTS],
}


def rows_for(entry, nidx):
    if entry in ROWS:
        return ROWS[entry]
    if nidx == 0:
        return [()]
    return [(p,) for p in ALL_PORTS]  # most tables are per port


# ---------------------------------------------------------------------------
# Values.

def h(*parts):
    """A stable pseudo-random number for counters."""
    d = hashlib.sha1(repr(parts).encode()).digest()
    return int.from_bytes(d[:8], 'big')


def portlist(ports):
    n = 0
    for p in ports:
        n |= 1 << (p - 1)
    return n.to_bytes(8, 'big')


def port_up(p):
    return p not in LINK_DOWN and p not in ADMIN_DOWN


def link_ports():
    return [p for p in ALL_PORTS if port_up(p)]


def port_of(inst):
    return inst[0] if inst else 1


def datetime_bytes(y, mo, d, hh, mi, ss):
    return bytes([y >> 8, y & 0xFF, mo, d, hh, mi, ss, 0, ord('+'), 0, 0])


SYS_DESCR = 'VN-2400 Fast Ethernet Switch, 24 x 10/100/1000Base-T + 4 combo SFP, firmware 2.60.B017'

# Values by column or scalar OID: a constant or a function of the instance.
V = {
    # system
    '1.3.6.1.2.1.1.1': SYS_DESCR,
    '1.3.6.1.2.1.1.2': ('oid', ENT + '.10.2400.1'),
    '1.3.6.1.2.1.1.3': 0,
    '1.3.6.1.2.1.1.4': 'network operations <noc@example.net>',
    '1.3.6.1.2.1.1.5': 'vn2400-lab-01',
    '1.3.6.1.2.1.1.6': 'Lab rack 3, unit 12',
    '1.3.6.1.2.1.1.7': 72,
    '1.3.6.1.2.1.2.1': PORTS,
    '1.3.6.1.2.1.2.2.1.1': lambda i: i[0],
    '1.3.6.1.2.1.2.2.1.2': lambda i: 'VN-2400 port %d' % i[0],
    '1.3.6.1.2.1.2.2.1.3': 6,
    '1.3.6.1.2.1.2.2.1.4': 1536,
    '1.3.6.1.2.1.2.2.1.5': lambda i: 0 if not port_up(i[0]) else (100000000 if i[0] in SPEED_100 else 1000000000),
    '1.3.6.1.2.1.2.2.1.6': lambda i: bytes(MAC_BASE[:5] + [i[0]]),
    '1.3.6.1.2.1.2.2.1.7': lambda i: 2 if i[0] in ADMIN_DOWN else 1,
    '1.3.6.1.2.1.2.2.1.8': lambda i: 1 if port_up(i[0]) else 2,
    '1.3.6.1.2.1.2.2.1.9': lambda i: 1200 + i[0] * 37,
    '1.3.6.1.2.1.2.2.1.19': 0,
    '1.3.6.1.2.1.2.2.1.20': 0,
    # IF-MIB extensions
    '1.3.6.1.2.1.31.1.1.1.1': lambda i: 'port%d' % i[0],
    '1.3.6.1.2.1.31.1.1.1.14': 1,
    '1.3.6.1.2.1.31.1.1.1.15': lambda i: 0 if not port_up(i[0]) else (100 if i[0] in SPEED_100 else 1000),
    '1.3.6.1.2.1.31.1.1.1.16': 2,
    '1.3.6.1.2.1.31.1.1.1.17': 1,
    '1.3.6.1.2.1.31.1.1.1.18': lambda i: {1: 'server room uplink', 24: 'management', 25: 'core-sw1',
                                          26: 'core-sw2'}.get(i[0], ''),
    '1.3.6.1.2.1.31.1.1.1.19': 0,
    # bridge
    '1.3.6.1.2.1.17.1.1': bytes(MAC_BASE),
    '1.3.6.1.2.1.17.1.2': PORTS,
    '1.3.6.1.2.1.17.1.3': 2,
    '1.3.6.1.2.1.17.1.4.1.1': lambda i: i[0],
    '1.3.6.1.2.1.17.1.4.1.2': lambda i: i[0],
    '1.3.6.1.2.1.17.1.4.1.3': ('oid', '0.0'),
    '1.3.6.1.2.1.17.4.1': 0,
    '1.3.6.1.2.1.17.4.2': 300,
    '1.3.6.1.2.1.17.6.1.1.1': b'\x03',
    '1.3.6.1.2.1.17.6.1.1.2': 1,
    '1.3.6.1.2.1.17.6.1.2.1.1.1': 0,
    '1.3.6.1.2.1.17.6.1.2.1.1.2': 4,
    '1.3.6.1.2.1.17.6.1.2.2.1.2': lambda i: i[1],
    '1.3.6.1.2.1.17.6.1.2.3.1.2': lambda i: [1, 0, 0, 1, 2, 2, 3, 3][i[1]],
    '1.3.6.1.2.1.17.6.1.2.4.1.1': lambda i: i[1],
    '1.3.6.1.2.1.17.7.1.2.2.1.2': lambda i: [1, 2, 3, 4, 7, 8, 9, 24][HOST_MACS.index(tuple(i[1:7]))],
    '1.3.6.1.2.1.17.7.1.2.2.1.3': 3,
    '1.3.6.1.2.1.17.7.1.2.1.1.2': len(HOST_MACS),
    # Q-BRIDGE
    '1.3.6.1.2.1.17.7.1.1.1': 1,
    '1.3.6.1.2.1.17.7.1.1.2': 4094,
    '1.3.6.1.2.1.17.7.1.1.3': 255,
    '1.3.6.1.2.1.17.7.1.1.4': len(VLANS),
    '1.3.6.1.2.1.17.7.1.1.5': 2,
    '1.3.6.1.2.1.17.7.1.4.1': 0,
    '1.3.6.1.2.1.17.7.1.4.4': 0,
    '1.3.6.1.2.1.17.7.1.4.9': 0,
    '1.3.6.1.2.1.17.7.1.4.10': 1,
    '1.3.6.1.2.1.17.7.1.4.3.1.1': lambda i: {v[0]: v[1] for v in VLANS}[i[0]],
    '1.3.6.1.2.1.17.7.1.4.3.1.2': lambda i: portlist({v[0]: v[2] for v in VLANS}[i[0]]),
    '1.3.6.1.2.1.17.7.1.4.3.1.3': bytes(8),
    '1.3.6.1.2.1.17.7.1.4.3.1.4': lambda i: portlist({v[0]: v[3] for v in VLANS}[i[0]]),
    '1.3.6.1.2.1.17.7.1.4.3.1.5': 1,
    '1.3.6.1.2.1.17.7.1.4.2.1.3': lambda i: i[1],
    '1.3.6.1.2.1.17.7.1.4.2.1.4': lambda i: portlist({v[0]: v[2] for v in VLANS}[i[1]]),
    '1.3.6.1.2.1.17.7.1.4.2.1.5': lambda i: portlist({v[0]: v[3] for v in VLANS}[i[1]]),
    '1.3.6.1.2.1.17.7.1.4.2.1.6': 2,
    '1.3.6.1.2.1.17.7.1.4.2.1.7': 0,
    '1.3.6.1.2.1.17.7.1.4.5.1.1': lambda i: 10 if i[0] <= 6 else 20 if i[0] <= 12 else 100 if i[0] == 24 else 1,
    '1.3.6.1.2.1.17.7.1.4.5.1.2': 1,
    '1.3.6.1.2.1.17.7.1.4.5.1.3': 2,
    '1.3.6.1.2.1.17.7.1.4.5.1.4': 2,
    '1.3.6.1.2.1.17.7.1.4.5.1.5': 0,
    '1.3.6.1.2.1.17.7.1.4.5.1.6': bytes(6),
    '1.3.6.1.2.1.17.7.1.3.1.1.3': portlist([5]),
    '1.3.6.1.2.1.17.7.1.3.1.1.4': 3,
    '1.3.6.1.2.1.17.7.1.3.2.1.3': portlist([1, 2, 3]),
    '1.3.6.1.2.1.17.7.1.3.2.1.4': bytes(8),
    '1.3.6.1.2.1.17.7.1.3.2.1.5': 3,
    ENT + '.12.30.1.1': 'guest',
    ENT + '.12.30.1.2': portlist([]),
    ENT + '.12.30.1.3': 1,
    # EtherLike
    '1.3.6.1.2.1.10.7.2.1.1': lambda i: i[0],
    '1.3.6.1.2.1.10.7.2.1.19': lambda i: 3 if port_up(i[0]) else 1,
    '1.3.6.1.2.1.10.7.9.1.1': b'\x80',
    '1.3.6.1.2.1.10.7.10.1.1': 4,
    '1.3.6.1.2.1.10.7.10.1.2': lambda i: 4 if port_up(i[0]) else 1,
    # RMON probe configuration
    '1.3.6.1.2.1.16.19.1': b'\xff\x80\x00\x00',
    '1.3.6.1.2.1.16.19.2': '2.60.B017',
    '1.3.6.1.2.1.16.19.3': 'A2',
    '1.3.6.1.2.1.16.19.5': 1,
    '1.3.6.1.2.1.16.19.11.1.1': ('ip', '10.90.90.90'),
    '1.3.6.1.2.1.16.19.11.1.2': ('ip', '255.255.255.0'),
    '1.3.6.1.2.1.16.19.11.1.3': 1,
    '1.3.6.1.2.1.16.19.12': ('ip', '10.90.90.254'),
    # switch device information and control
    SWL2 + '.1.1.5': bytes([2, 2] + [1] * 56),  # computed on every read
    SWL2 + '.1.2.1': 1,
    SWL2 + '.1.2.2': ('ip', '10.90.90.90'),
    SWL2 + '.1.2.3': ('ip', '255.255.255.0'),
    SWL2 + '.1.2.4': ('ip', '10.90.90.254'),
    SWL2 + '.1.2.5': 1,
    SWL2 + '.1.2.7': 3,
    SWL2 + '.1.2.12': 1,
    SWL2 + '.1.2.13': 1,
    SWL2 + '.1.2.16': 3,
    SWL2 + '.1.2.17': 2,
    SWL2 + '.1.2.19': 2,
    SWL2 + '.1.2.20': 1,
    SWL2 + '.1.2.21': 1,
    # ports
    SWL2 + '.2.1.1.1': lambda i: i[0],
    SWL2 + '.2.1.1.4': lambda i: 2 if port_up(i[0]) and not (i[1] == 101) else 3,
    SWL2 + '.2.1.1.5': lambda i: (5 if i[0] in SPEED_100 else 7) if port_up(i[0]) and i[1] == 100 else 1,
    SWL2 + '.2.2.1.1': lambda i: i[0],
    SWL2 + '.2.2.1.2': lambda i: i[1],
    SWL2 + '.2.2.1.3': lambda i: 2 if i[0] in ADMIN_DOWN else 3,
    SWL2 + '.2.2.1.4': 1,
    SWL2 + '.2.2.1.5': 2,
    SWL2 + '.2.2.1.6': lambda i: {1: 'uplink to server room', 24: 'management station', 25: 'core-sw1',
                                  26: 'core-sw2'}.get(i[0], ''),
    SWL2 + '.2.2.1.8': 2,
    SWL2 + '.2.2.1.9': 2,
    SWL2 + '.2.3.1.2': 2,
    SWL2 + '.2.3.1.3': 1,
    SWL2 + '.2.3.1.4': 1,
    SWL2 + '.2.3.1.5': '',
    SWL2 + '.4.1': 6,
    SWL2 + '.4.2': 8,
    SWL2 + '.4.4': 4,
    SWL2 + '.4.3.1.2': 25,
    SWL2 + '.4.3.1.3': portlist([25, 26]),
    SWL2 + '.4.3.1.4': 1,
    SWL2 + '.4.3.1.5': portlist([25, 26]),
    SWL2 + '.4.3.1.6': 1,
    SWL2 + '.4.3.1.7': 25,
    SWL2 + '.6.2': portlist([3, 4]),
    SWL2 + '.6.3': portlist([3]),
    SWL2 + '.6.4': 24,
    SWL2 + '.6.5': 2,
    SWL2 + '.12.1.1.2': portlist(ALL_PORTS),
    SWL2 + '.3.1.1.2': 1000,
    SWL2 + '.3.1.1.3': 1000,
    SWL2 + '.3.2.1.4': lambda i: [1, 2, 4, 8][i[0]],
    SWL2 + '.3.3.1.2': lambda i: [1, 0, 0, 1, 2, 2, 3, 3][i[0]],
    SWL2 + '.3.4.1.2': 0,
    SWL2 + '.7.1': 64,
    SWL2 + '.7.2': 256,
    SWL2 + '.7.3.1.2': 125,
    SWL2 + '.7.3.1.3': 10,
    SWL2 + '.7.3.1.4': 2,
    SWL2 + '.7.3.1.5': 1,
    SWL2 + '.7.3.1.6': 260,
    SWL2 + '.7.3.1.7': 260,
    SWL2 + '.7.3.1.8': 2,
    SWL2 + '.7.3.1.9': 2,
    SWL2 + '.7.3.1.10': 3,
    SWL2 + '.7.3.1.11': lambda i: 3 if i[0] == 10 else 2,
    SWL2 + '.7.3.1.12': 2,
    SWL2 + '.7.5.1.3': lambda i: bytes([0x01, 0x00, 0x5E, i[2] & 0x7F, i[3], i[4]]),
    SWL2 + '.7.5.1.4': portlist([2, 5]),
    SWL2 + '.7.5.1.5': 2,
    SWL2 + '.7.6.1.2': lambda i: {v[0]: v[1] for v in VLANS}[i[0]],
    SWL2 + '.7.6.1.3': lambda i: portlist([25] if i[0] == 1 else []),
    SWL2 + '.7.6.1.4': lambda i: portlist([26] if i[0] == 1 else []),
    SWL2 + '.15.2': 3,
    SWL2 + '.15.1.1.2': 1,
    SWL2 + '.15.1.1.3': 3,
    SWL2 + '.15.1.1.4': 3,
    SWL2 + '.15.3.1': 'default',
    SWL2 + '.15.3.2': 0,
    SWL2 + '.15.3.3': bytes(6),
    SWL2 + '.15.3.4': 1,
    SWL2 + '.17.3.1.1.2': 2,
    SWL2 + '.17.3.1.1.3': 2,
    SWL2 + '.17.3.1.1.4': 1,
    SWL2 + '.17.3.1.1.5': 1,
    SWL2 + '.17.3.2.1.2': 0,
    SWL2 + '.17.3.3.1.2': 7,
    SWL2 + '.17.3.4.1.2': lambda i: i[0] // 2,
    SWL2 + '.17.3.5.1.2': lambda i: i[0] // 16,
    SWL2 + '.18.1': 2,
    SWL2 + '.18.2': 4,
    SWL2 + '.18.3': 0,
    SWL2 + '.18.4': 2,
    SWL2 + '.18.5': 2,
    SWL2 + '.18.6': 1,
    SWL2 + '.18.7.1.3': 3,
    # agent and system management
    ENT + '.12.1.1.1': 2,
    ENT + '.12.1.1.3': 2,
    ENT + '.12.1.1.7': 1,
    ENT + '.12.1.1.2.1.1': lambda i: i[0],
    ENT + '.12.1.1.2.1.2': lambda i: ['RFC1213 MIB-II', 'RFC2674 Q-BRIDGE', 'VN2400 L2 management',
                                     'VN2400 ACL'][i[0] - 1],
    ENT + '.12.1.1.2.1.3': 1,
    ENT + '.12.1.1.2.1.4': lambda i: 2 if i[0] <= 2 else 3,
    ENT + '.12.1.1.6.1': 7,
    ENT + '.12.1.1.6.2': 5,
    ENT + '.12.1.1.6.3': 5,
    ENT + '.12.1.2.3': 4,
    ENT + '.12.1.2.4': 2,
    ENT + '.12.1.2.6': 1,
    ENT + '.12.1.3.3': 2,
    ENT + '.12.1.5.1': 3,
    ENT + '.12.1.5.2': 2,
    ENT + '.12.1.5.3': 1,
    ENT + '.12.1.5.4': 7,
    ENT + '.12.1.5.5': 2,
    ENT + '.12.1.2.7.1.2': lambda i: ['2.60.B017', '2.50.B012'][i[0] - 1],
    ENT + '.12.1.2.7.1.3': lambda i: [3145728, 3014656][i[0] - 1],
    ENT + '.12.1.2.7.1.4': lambda i: ['2026/03/02 09:14:55', '2025/11/20 16:02:10'][i[0] - 1],
    ENT + '.12.1.2.7.1.5': lambda i: ['10.90.90.10', 'Serial Port(PROM)'][i[0] - 1],
    ENT + '.12.1.2.7.1.6': lambda i: ['admin', 'Anonymous'][i[0] - 1],
    ENT + '.12.1.2.1.1.2': 'firmware image',
    ENT + '.12.1.2.1.1.3': ('ip', '10.90.90.10'),
    ENT + '.12.1.2.1.1.4': 2,
    ENT + '.12.1.2.1.1.5': 'vn2400-2.60.B017.had',
    ENT + '.12.1.2.1.1.6': 1,
    ENT + '.12.1.2.1.1.7': 3,
    ENT + '.12.1.2.1.1.8': 2,
    ENT + '.12.1.2.1.1.9': 2,
    ENT + '.12.1.2.1.1.10': 1,
    # time
    ENT + '.12.10.1': b'\x00\x01',
    ENT + '.12.10.2': datetime_bytes(2026, 12, 11, 12, 0, 0),  # computed on every read
    ENT + '.12.10.3': 2,
    ENT + '.12.10.10.1': '2026/12/11 12:00:00',  # computed on every read
    ENT + '.12.10.10.2': '0 days, 0:00:00.00',  # computed on every read
    ENT + '.12.10.10.3': '2026/12/11 12:00:00',
    ENT + '.12.10.10.4': 60,
    ENT + '.12.10.11.1': 2,
    ENT + '.12.10.11.2': 0,
    ENT + '.12.10.11.3': ('ip', '10.90.90.1'),
    ENT + '.12.10.11.4': ('ip', '0.0.0.0'),
    ENT + '.12.10.11.5': 720,
    ENT + '.12.10.12.1': 1,
    ENT + '.12.10.12.2': 60,
    ENT + '.12.10.12.3': bytes([0x00, 0x00, 0x00, 0x03, 0x02, 0x00]),  # last Sunday of March, 02:00
    ENT + '.12.10.12.4': bytes([0x00, 0x00, 0x00, 0x0A, 0x03, 0x00]),  # last Sunday of October, 03:00
    ENT + '.12.10.12.5': bytes([0x1D, 0x03, 0x02, 0x00]),
    ENT + '.12.10.12.6': bytes([0x19, 0x0A, 0x03, 0x00]),
    ENT + '.12.50.3.1.1.2': lambda i: b'\x7c' if i == s_index('workhours') else b'\x82',
    ENT + '.12.50.3.1.1.3': lambda i: '08:00' if i == s_index('workhours') else '00:00',
    ENT + '.12.50.3.1.1.4': lambda i: '18:00' if i == s_index('workhours') else '23:59',
    ENT + '.12.50.3.1.1.5': 1,
    # system log and SMTP
    ENT + '.12.12.1': 3,
    ENT + '.12.12.3.1': 1,
    ENT + '.12.12.3.2': 30,
    ENT + '.12.12.4.1': 1,
    ENT + '.12.12.2.1.2': ('ip', '10.90.90.15'),
    ENT + '.12.12.2.1.3': 0,
    ENT + '.12.12.2.1.4': 2,
    ENT + '.12.12.2.1.5': 514,
    ENT + '.12.12.2.1.6': 3,
    ENT + '.12.12.2.1.7': 1,
    ENT + '.12.29.1.1': 2,
    ENT + '.12.29.1.2': ('ip', '10.90.90.25'),
    ENT + '.12.29.1.3': 25,
    ENT + '.12.29.1.4': 'vn2400-lab-01@example.net',
    ENT + '.12.29.1.5': 'test',
    ENT + '.12.29.1.6': 'test mail from the switch',
    ENT + '.12.29.1.7': 2,
    ENT + '.12.29.2.1': 1,
    ENT + '.12.29.3.1.1.2': 'noc@example.net',
    ENT + '.12.29.3.1.1.3': 1,
    # security: authentication, RADIUS, 802.1X, SSH, SSL, AAC
    ENT + '.12.3.1.1': 2,
    ENT + '.12.3.1.2': 1,
    ENT + '.12.3.3.1': 'vn2400-lab-01',
    ENT + '.12.3.3.3.1.2': lambda i: ('ip', '10.90.90.6' if i[0] == 1 else '10.90.90.7'),
    ENT + '.12.3.3.3.1.3': 1812,
    ENT + '.12.3.5.3.1.2': lambda i: ('ip', '10.90.90.6' if i[0] == 1 else '10.90.90.7'),
    ENT + '.12.3.5.3.1.3': 1813,
    ENT + '.12.3.4.1': 600,
    ENT + '.12.3.4.2': 2,
    ENT + '.12.3.4.3.1.2': 2,
    ENT + '.12.3.4.3.1.3': 2,
    '1.3.6.1.2.1.67.2.2.1.1.2': 'vn2400-lab-01',
    ENT + '.12.3.2.4.1.2': lambda i: ('ip', '10.90.90.6' if i[0] == 1 else '10.90.90.7'),
    ENT + '.12.3.2.4.1.3': 'radius-secret',
    ENT + '.12.3.2.4.1.4': 1812,
    ENT + '.12.3.2.4.1.5': 1813,
    ENT + '.12.3.2.4.1.6': 1,
    ENT + '.12.3.6.1.1.3': 5,
    ENT + '.12.3.6.1.1.4': 6,
    ENT + '.12.3.6.1.1.5': 1,
    ENT + '.12.3.6.4.1.5': '0000000A',
    ENT + '.12.3.6.4.1.6': 1,
    ENT + '.12.3.6.4.1.8': 999,
    ENT + '.12.3.6.4.1.9': 'guest01',
    ENT + '.12.3.6.2.1.11': 1,
    ENT + '.12.3.6.2.1.12': bytes(HOST_MACS[2]),
    '1.0.8802.1.1.1.1.1.1': 2,
    '1.0.8802.1.1.1.1.1.2.1.1': lambda i: i[0],
    '1.0.8802.1.1.1.1.1.2.1.2': 1,
    '1.0.8802.1.1.1.1.1.2.1.3': b'\x40',
    '1.0.8802.1.1.1.1.1.2.1.4': 2,
    '1.0.8802.1.1.1.1.1.2.1.5': 2,
    '1.0.8802.1.1.1.1.2.1.1.1': lambda i: 8 if port_up(i[0]) else 2,
    '1.0.8802.1.1.1.1.2.1.1.2': 6,
    '1.0.8802.1.1.1.1.2.1.1.3': 0,
    '1.0.8802.1.1.1.1.2.1.1.4': 0,
    '1.0.8802.1.1.1.1.2.1.1.5': 1,
    '1.0.8802.1.1.1.1.2.1.1.6': 3,
    '1.0.8802.1.1.1.1.2.1.1.7': 60,
    '1.0.8802.1.1.1.1.2.1.1.8': 30,
    '1.0.8802.1.1.1.1.2.1.1.9': 30,
    '1.0.8802.1.1.1.1.2.1.1.10': 30,
    '1.0.8802.1.1.1.1.2.1.1.11': 2,
    '1.0.8802.1.1.1.1.2.1.1.12': 3600,
    '1.0.8802.1.1.1.1.2.1.1.13': 2,
    '1.0.8802.1.1.1.1.2.1.1.14': 2,
    '1.0.8802.1.1.1.1.2.2.1.11': 0,
    '1.0.8802.1.1.1.1.2.2.1.12': bytes(6),
    '1.0.8802.1.1.1.1.2.4.1.5': '',
    '1.0.8802.1.1.1.1.2.4.1.6': 1,
    '1.0.8802.1.1.1.1.2.4.1.8': 999,
    '1.0.8802.1.1.1.1.2.4.1.9': '',
    ENT + '.12.6.1.1': 2,
    ENT + '.12.6.1.2': 2,
    ENT + '.12.6.1.3': 2,
    ENT + '.12.6.1.4': 0,
    ENT + '.12.6.1.5': 8,
    ENT + '.12.6.1.6': 120,
    ENT + '.12.6.1.7': 22,
    ENT + '.12.7.1.1': 2,
    ENT + '.12.7.1.2': b'\xf0',
    ENT + '.12.7.1.3': 600,
    ENT + '.12.7.2.1': ('ip', '0.0.0.0'),
    ENT + '.12.7.2.2': '',
    ENT + '.12.7.2.3': '',
    ENT + '.12.7.2.4': 1,
    ENT + '.12.7.2.5': 2,
    ENT + '.12.5.1': 2,
    ENT + '.12.5.2': 8,
    ENT + '.12.5.3': 8,
    ENT + '.12.5.4': 8,
    ENT + '.12.5.5': 16,
    ENT + '.12.5.8.1': 5,
    ENT + '.12.5.8.2': 3,
    ENT + '.12.5.7.1.1': 'default',
    ENT + '.12.5.7.1.2': 'default',
    ENT + '.12.5.7.1.3': 'default',
    ENT + '.12.5.7.1.4': 'default',
    ENT + '.12.5.7.2.1': 'default',
    ENT + '.12.5.7.2.2': 'default',
    ENT + '.12.5.7.2.3': 'default',
    ENT + '.12.5.7.2.4': 'default',
    ENT + '.12.5.3.1.2': lambda i: 6 if i == s_index('default') else 5,
    ENT + '.12.5.3.1.3': lambda i: '' if i == s_index('default') else 'tacacs+',
    ENT + '.12.5.3.1.4': lambda i: 9 if i == s_index('default') else 6,
    ENT + '.12.5.3.1.6': 9,
    ENT + '.12.5.3.1.8': 9,
    ENT + '.12.5.3.1.10': 1,
    ENT + '.12.5.4.1.2': 7,
    ENT + '.12.5.4.1.4': 9,
    ENT + '.12.5.4.1.6': 9,
    ENT + '.12.5.4.1.8': 9,
    ENT + '.12.5.4.1.10': 1,
    ENT + '.12.5.10.1.3': 49,
    ENT + '.12.5.10.1.4': lambda i: 'tacacs-key' if i[4] == 3 else 'radius-secret',
    ENT + '.12.5.10.1.5': 5,
    ENT + '.12.5.10.1.6': 2,
    ENT + '.12.5.10.1.7': 1,
    ENT + '.12.5.12.1.4': 1,
    ENT + '.12.5.9.1.2': lambda i: ('ip', '10.90.90.5' if i == s_index('tacacs+') else '10.90.90.6'),
    ENT + '.12.5.9.1.3': lambda i: 3 if i == s_index('tacacs+') else 4,
    ENT + '.12.5.9.1.18': 1,
    ENT + '.12.19.1.1': 2,
    ENT + '.12.19.2.1': 30,
    ENT + '.12.19.2.2': 20,
    ENT + '.12.19.2.3': 2,
    ENT + '.12.19.2.4': 3,
    ENT + '.12.19.2.5': 1,
    ENT + '.12.19.2.6': 5,
    ENT + '.12.9.1.1': 2,
    ENT + '.12.23.1.1': 3,
    ENT + '.12.23.1.2': 3,
    ENT + '.12.23.3.1': 1,
    ENT + '.12.23.3.2.1.2': lambda i: 2 if i[0] in (1, 2) else 3,
    ENT + '.12.23.4.1.1.2': lambda i: bytes(HOST_MACS[i[3] - 20]),
    ENT + '.12.23.4.1.1.3': 1,
    ENT + '.12.23.4.1.1.4': lambda i: portlist([1, 2]),
    ENT + '.12.23.4.1.1.5': 1,
    ENT + '.12.23.4.2.1.3': 'sales',
    ENT + '.12.23.4.2.1.4': 3,
    ENT + '.12.23.4.2.1.5': 2,
    ENT + '.12.25.1.1': portlist([]),
    ENT + '.12.25.1.2': 4,
    ENT + '.12.25.3.1.1.2': 500,
    ENT + '.12.25.3.1.1.3': 1,
    ENT + '.12.25.3.1.1.4': 1,
    ENT + '.12.25.3.1.1.5': 1,
    ENT + '.12.25.3.1.1.6': 2,
    ENT + '.12.25.3.1.1.7': 0,
    ENT + '.12.25.3.1.1.8': 5,
    ENT + '.12.25.3.1.1.9': 2,
    # LACP
    ENT + '.12.4.1.1.1.1.2': lambda i: bytes(MAC_BASE[:5] + [i[0]]),
    ENT + '.12.4.1.1.1.1.3': 32768,
    ENT + '.12.4.1.1.1.1.4': bytes(MAC_BASE),
    ENT + '.12.4.1.1.1.1.5': lambda i: 1 if i[0] in (25, 26) else 2,
    ENT + '.12.4.1.1.1.1.6': lambda i: i[0],
    ENT + '.12.4.1.1.1.1.7': lambda i: i[0],
    ENT + '.12.4.1.1.1.1.8': bytes(6),
    ENT + '.12.4.1.1.1.1.9': 0,
    ENT + '.12.4.1.1.1.1.10': 0,
    ENT + '.12.4.1.1.1.1.11': 5,
    ENT + '.12.4.1.1.1.1.1': lambda i: i[0],
    ENT + '.12.4.1.1.2.1.1': lambda i: portlist([25, 26] if i[0] == 25 else [i[0]]),
    ENT + '.12.4.1.2.1.1.2': 32768,
    ENT + '.12.4.1.2.1.1.3': bytes(MAC_BASE),
    ENT + '.12.4.1.2.1.1.4': lambda i: i[0],
    ENT + '.12.4.1.2.1.1.5': lambda i: i[0],
    ENT + '.12.4.1.2.1.1.6': 32768,
    ENT + '.12.4.1.2.1.1.7': 32768,
    ENT + '.12.4.1.2.1.1.8': bytes(6),
    ENT + '.12.4.1.2.1.1.9': bytes(6),
    ENT + '.12.4.1.2.1.1.14': lambda i: i[0],
    ENT + '.12.4.1.2.1.1.15': 128,
    ENT + '.12.4.1.2.1.1.18': 128,
    ENT + '.12.4.1.2.1.1.19': 128,
    ENT + '.12.4.1.2.1.1.20': b'\x45',
    ENT + '.12.4.1.2.1.1.21': b'\x45',
    ENT + '.12.4.1.2.1.1.22': b'\x02',
    ENT + '.12.4.1.2.1.1.23': b'\x02',
    ENT + '.12.4.1.2.1.1.24': 1,
    # spanning tree
    ENT + '.12.15.1.1': 3,
    ENT + '.12.15.1.2': 1,
    ENT + '.12.15.1.3': 2000,
    ENT + '.12.15.1.4': 200,
    ENT + '.12.15.1.5': 1500,
    ENT + '.12.15.1.6': 20,
    ENT + '.12.15.1.7': 3,
    ENT + '.12.15.1.8': 2,
    ENT + '.12.15.1.9': 2,
    ENT + '.12.15.1.10': 60,
    ENT + '.12.15.2.1': '001B215A4000',
    ENT + '.12.15.2.2': 0,
    ENT + '.12.15.2.3.1.2': lambda i: bytes([0xFF] * 8) if i[0] == 0 else bytes(8),
    ENT + '.12.15.2.3.1.10': lambda i: 0 if i[0] == 0 else 1,
    ENT + '.12.15.2.3.1.11': 1,
    ENT + '.12.15.2.3.1.12': 32768,
    ENT + '.12.15.2.3.1.13': bytes([0x80, 0x00] + MAC_BASE),
    ENT + '.12.15.2.3.1.15': bytes([0x80, 0x00] + MAC_BASE),
    ENT + '.12.15.2.3.1.17': bytes([0x80, 0x00] + MAC_BASE),
    ENT + '.12.15.2.3.1.18': 0,
    ENT + '.12.15.2.3.1.19': 20,
    ENT + '.12.15.2.3.1.20': 15,
    ENT + '.12.15.2.3.1.23': 20,
    ENT + '.12.15.2.3.1.24': 1,
    ENT + '.12.15.2.4.1.2': 2,
    ENT + '.12.15.2.4.1.3': 2,
    ENT + '.12.15.2.4.1.4': 1,
    ENT + '.12.15.2.4.1.5': 20000,
    ENT + '.12.15.2.4.1.6': 2,
    ENT + '.12.15.2.4.1.7': lambda i: 1 if i[0] <= 24 else 2,
    ENT + '.12.15.2.4.1.8': lambda i: 1 if i[0] <= 24 else 2,
    ENT + '.12.15.2.4.1.9': 2,
    ENT + '.12.15.2.4.1.10': 0,
    ENT + '.12.15.2.4.1.11': 3,
    ENT + '.12.15.2.5.1.3': bytes([0x80, 0x00] + MAC_BASE),
    ENT + '.12.15.2.5.1.4': 20000,
    ENT + '.12.15.2.5.1.5': 128,
    ENT + '.12.15.2.5.1.6': lambda i: 5 if port_up(i[0]) else 2,
    ENT + '.12.15.2.5.1.7': lambda i: 4 if port_up(i[0]) else 0,
    # single IP management
    ENT + '.12.8.1.1.1': '1.6',
    ENT + '.12.8.1.1.2': 'L2 switch',
    ENT + '.12.8.1.1.3': 'VN-2400 L2 Switch',
    ENT + '.12.8.1.2.1': 2,
    ENT + '.12.8.1.2.2': 1,
    ENT + '.12.8.1.2.3': 100,
    ENT + '.12.8.1.2.4': 60,
    ENT + '.12.8.1.4.1.2': lambda i: 'vn2400-lab-0%d' % (i[0] + 1),
    ENT + '.12.8.1.4.1.3': lambda i: bytes(mac(0x30 + i[0], [0x00, 0x1B, 0x21, 0x5A, 0x41, 0x00])),
    ENT + '.12.8.1.4.1.4': '2.60.B017',
    ENT + '.12.8.1.4.1.5': 'L2 switch',
    ENT + '.12.8.1.4.1.6': 'VN-2400 L2 Switch',
    ENT + '.12.8.1.4.1.7': 100,
    ENT + '.12.8.1.5.1.2': 'lab',
    ENT + '.12.8.1.5.1.3': 'vn2400-lab-02',
    ENT + '.12.8.1.5.1.4': 1,
    ENT + '.12.8.1.5.1.5': '2.60.B017',
    ENT + '.12.8.1.5.1.6': 'L2 switch',
    ENT + '.12.8.1.5.1.7': 'VN-2400 L2 Switch',
    ENT + '.12.8.1.5.1.8': 100,
    ENT + '.12.8.1.6.1.3': 2,
    ENT + '.12.8.1.3.1.10': 1,
    # PoE
    ENT + '.12.24.1.1': 370,
    ENT + '.12.24.1.2': 1,
    ENT + '.12.24.1.3': 2,
    ENT + '.12.24.2.1': 46,
    ENT + '.12.24.2.2': 324,
    ENT + '.12.24.3.1.1.2': 2,
    ENT + '.12.24.3.1.1.3': 3,
    ENT + '.12.24.3.1.1.4': 5,
    ENT + '.12.24.3.1.1.5': 15400,
    ENT + '.12.24.4.1.1.2': lambda i: 2 if i[0] in (3, 4, 8) else 0,
    ENT + '.12.24.4.1.1.3': lambda i: 15400 if i[0] in (3, 4, 8) else 0,
    ENT + '.12.24.4.1.1.4': lambda i: 48 if i[0] in (3, 4, 8) else 0,
    ENT + '.12.24.4.1.1.5': lambda i: 320 if i[0] in (3, 4, 8) else 0,
    ENT + '.12.24.4.1.1.6': lambda i: 'DELIVERING POWER' if i[0] in (3, 4, 8) else 'OFF',
    ENT + '.12.24.4.1.1.7': lambda i: 1 if i[0] in (3, 4, 8) else 2,
    # access profiles and rules
    ENT + '.12.9.2.1.1.2': 1,
    ENT + '.12.9.2.1.1.3': lambda i: 4 if i[0] == 1 else 3,
    ENT + '.12.9.2.1.1.4': bytes([0xFF] * 6),
    ENT + '.12.9.2.1.1.5': lambda i: bytes([0xFF] * 6) if i[0] == 1 else bytes(6),
    ENT + '.12.9.2.1.1.6': 2,
    ENT + '.12.9.2.1.1.7': 2,
    ENT + '.12.9.2.1.1.8': 1,
    ENT + '.12.9.2.2.1.2': 2,
    ENT + '.12.9.2.2.1.3': lambda i: 4 if i[0] == 3 else 3,
    ENT + '.12.9.2.2.1.4': ('ip', '255.255.255.0'),
    ENT + '.12.9.2.2.1.5': lambda i: ('ip', '255.255.255.0' if i[0] == 3 else '0.0.0.0'),
    ENT + '.12.9.2.2.1.6': 2,
    ENT + '.12.9.2.2.1.7': lambda i: 4 if i[0] == 3 else 2,
    ENT + '.12.9.2.2.1.8': 1,
    ENT + '.12.9.2.2.1.9': 2,
    ENT + '.12.9.2.2.1.10': lambda i: 2 if i[0] == 3 else 1,
    ENT + '.12.9.2.2.1.11': 1,
    ENT + '.12.9.2.2.1.12': b'\x00\x00',
    ENT + '.12.9.2.2.1.13': lambda i: b'\xff\xff' if i[0] == 3 else b'\x00\x00',
    ENT + '.12.9.2.2.1.14': 2,
    ENT + '.12.9.2.2.1.15': 0,
    ENT + '.12.9.2.2.1.16': 2,
    ENT + '.12.9.2.2.1.17': b'\x00',
    ENT + '.12.9.2.2.1.18': 1,
    ENT + '.12.9.2.3.1.2': bytes([0xFF, 0xFF] + [0] * 14),
    ENT + '.12.9.2.3.1.3': bytes(16),
    ENT + '.12.9.2.3.1.4': bytes(16),
    ENT + '.12.9.2.3.1.5': bytes(16),
    ENT + '.12.9.2.3.1.6': bytes(16),
    ENT + '.12.9.2.3.1.7': 1,
    ENT + '.12.9.2.4.1.2': 2,
    ENT + '.12.9.2.4.1.3': 2,
    ENT + '.12.9.2.4.1.4': 3,
    ENT + '.12.9.2.4.1.5': bytes([0xFF] * 8 + [0] * 8),
    ENT + '.12.9.2.4.1.6': bytes(16),
    ENT + '.12.9.2.4.1.7': 1,
    ENT + '.12.9.4.1.1.2': 2,
    ENT + '.12.9.4.1.1.3': 3,
    ENT + '.12.9.4.1.1.4': bytes([0xFF] * 6),
    ENT + '.12.9.4.1.1.5': bytes(6),
    ENT + '.12.9.4.1.1.6': 2,
    ENT + '.12.9.4.1.1.7': 2,
    ENT + '.12.9.4.1.1.8': 1,
    ENT + '.12.9.4.2.1.2': 2,
    ENT + '.12.9.4.2.1.3': 3,
    ENT + '.12.9.4.2.1.4': ('ip', '255.255.255.255'),
    ENT + '.12.9.4.2.1.5': ('ip', '0.0.0.0'),
    ENT + '.12.9.4.2.1.6': 2,
    ENT + '.12.9.4.2.1.7': 2,
    ENT + '.12.9.4.2.1.8': 1,
    ENT + '.12.9.4.2.1.9': 2,
    ENT + '.12.9.4.2.1.10': 1,
    ENT + '.12.9.4.2.1.11': 1,
    ENT + '.12.9.4.2.1.12': b'\x00\x00',
    ENT + '.12.9.4.2.1.13': b'\x00\x00',
    ENT + '.12.9.4.2.1.14': 2,
    ENT + '.12.9.4.2.1.15': 0,
    ENT + '.12.9.4.2.1.16': 2,
    ENT + '.12.9.4.2.1.17': 0,
    ENT + '.12.9.4.2.1.18': bytes(4),
    ENT + '.12.9.4.2.1.19': 1,
    ENT + '.12.9.4.3.1.7': 1,
    ENT + '.12.9.3.1.1.3': lambda i: 'sales' if i[0] == 1 else '',
    ENT + '.12.9.3.1.1.4': lambda i: bytes(HOST_MACS[i[1]]),
    ENT + '.12.9.3.1.1.5': lambda i: bytes(HOST_MACS[7]) if i[0] == 1 else bytes(6),
    ENT + '.12.9.3.1.1.6': 0,
    ENT + '.12.9.3.1.1.7': b'\x08\x00',
    ENT + '.12.9.3.1.1.9': 0,
    ENT + '.12.9.3.1.1.13': 0,
    ENT + '.12.9.3.1.1.14': lambda i: 1 if i == (1, 2) else 2,
    ENT + '.12.9.3.1.1.15': lambda i: portlist([1, 2, 3, 4, 5, 6]),
    ENT + '.12.9.3.1.1.17': lambda i: 'workhours' if i == (2, 1) else '',
    ENT + '.12.9.3.1.1.18': 1,
    ENT + '.12.9.3.2.1.3': '',
    ENT + '.12.9.3.2.1.4': lambda i: ('ip', '10.90.%d.0' % (90 + i[1])),
    ENT + '.12.9.3.2.1.5': lambda i: ('ip', '10.90.90.0' if i[0] == 3 else '0.0.0.0'),
    ENT + '.12.9.3.2.1.6': 0,
    ENT + '.12.9.3.2.1.7': lambda i: 4 if i[0] == 3 else 2,
    ENT + '.12.9.3.2.1.10': 0,
    ENT + '.12.9.3.2.1.11': lambda i: 23 if i == (3, 1) else 80 if i == (3, 2) else 0,
    ENT + '.12.9.3.2.1.12': 0,
    ENT + '.12.9.3.2.1.13': 0,
    ENT + '.12.9.3.2.1.16': 0,
    ENT + '.12.9.3.2.1.20': 0,
    ENT + '.12.9.3.2.1.21': lambda i: 1 if i == (3, 1) else 2,
    ENT + '.12.9.3.2.1.22': lambda i: portlist(range(1, 13)),
    ENT + '.12.9.3.2.1.24': '',
    ENT + '.12.9.3.2.1.25': 1,
    ENT + '.12.9.3.3.1.8': 12,
    ENT + '.12.9.3.3.1.9': b'\xff\xff',
    ENT + '.12.9.3.3.1.10': b'\x86\xdd',
    ENT + '.12.9.3.3.1.11': 0,
    ENT + '.12.9.3.3.1.12': b'',
    ENT + '.12.9.3.3.1.13': b'',
    ENT + '.12.9.3.3.1.14': 0,
    ENT + '.12.9.3.3.1.15': b'',
    ENT + '.12.9.3.3.1.16': b'',
    ENT + '.12.9.3.3.1.17': 0,
    ENT + '.12.9.3.3.1.18': b'',
    ENT + '.12.9.3.3.1.19': b'',
    ENT + '.12.9.3.3.1.20': 0,
    ENT + '.12.9.3.3.1.21': b'',
    ENT + '.12.9.3.3.1.22': b'',
    ENT + '.12.9.3.3.1.24': 0,
    ENT + '.12.9.3.3.1.28': 0,
    ENT + '.12.9.3.3.1.29': 1,
    ENT + '.12.9.3.3.1.30': portlist([13, 14, 15, 16]),
    ENT + '.12.9.3.3.1.32': '',
    ENT + '.12.9.3.3.1.33': 1,
    ENT + '.12.9.5.1.1.3': '',
    ENT + '.12.9.5.1.1.4': bytes(HOST_MACS[5]),
    ENT + '.12.9.5.1.1.5': bytes(6),
    ENT + '.12.9.5.1.1.6': 0,
    ENT + '.12.9.5.1.1.7': b'\x00\x00',
    ENT + '.12.9.5.1.1.8': 1,
    ENT + '.12.9.5.1.1.9': portlist([13]),
    ENT + '.12.9.5.1.1.10': '',
    ENT + '.12.9.5.1.1.11': 1,
    ENT + '.12.9.5.2.1.3': '',
    ENT + '.12.9.5.2.1.4': ('ip', '10.90.91.66'),
    ENT + '.12.9.5.2.1.5': ('ip', '0.0.0.0'),
    ENT + '.12.9.5.2.1.7': 2,
    ENT + '.12.9.5.2.1.14': bytes(4),
    ENT + '.12.9.5.2.1.15': 1,
    ENT + '.12.9.5.2.1.16': portlist(ALL_PORTS),
    ENT + '.12.9.5.2.1.17': '',
    ENT + '.12.9.5.2.1.18': 1,
    # IP-MAC binding, DHCP relay, member switches
    # ping and trace-route
    '1.3.6.1.2.1.80.1.1': 10,
    '1.3.6.1.2.1.80.1.2.1.4': '10.90.90.254',
    '1.3.6.1.2.1.80.1.2.1.6': 3,
    '1.3.6.1.2.1.80.1.2.1.7': 3,
    '1.3.6.1.2.1.80.1.2.1.8': 2,
    '1.3.6.1.2.1.80.1.2.1.23': 1,
    '1.3.6.1.2.1.80.1.3.1.1': 2,
    '1.3.6.1.2.1.80.1.3.1.2': 1,
    '1.3.6.1.2.1.80.1.3.1.3': '10.90.90.254',
    '1.3.6.1.2.1.80.1.3.1.4': 1,
    '1.3.6.1.2.1.80.1.3.1.5': 3,
    '1.3.6.1.2.1.80.1.3.1.6': 2,
    '1.3.6.1.2.1.80.1.3.1.7': 3,
    '1.3.6.1.2.1.80.1.3.1.8': 3,
    '1.3.6.1.2.1.80.1.3.1.9': 14,
    '1.3.6.1.2.1.80.1.3.1.10': '2026-12-11,11:58:20.0',
    '1.3.6.1.2.1.80.1.4.1.2': lambda i: i[-1],
    '1.3.6.1.2.1.80.1.4.1.3': 1,
    '1.3.6.1.2.1.80.1.4.1.4': 0,
    '1.3.6.1.2.1.80.1.4.1.5': '2026-12-11,11:58:20.0',
    '1.3.6.1.2.1.81.1': 10,
    '1.3.6.1.2.1.81.1.2.1.4': '10.90.92.1',
    '1.3.6.1.2.1.81.1.2.1.7': 3,
    '1.3.6.1.2.1.81.1.2.1.8': 3,
    '1.3.6.1.2.1.81.1.2.1.9': 33434,
    '1.3.6.1.2.1.81.1.2.1.10': 30,
    '1.3.6.1.2.1.81.1.2.1.21': 2,
    '1.3.6.1.2.1.81.1.2.1.27': 1,
    '1.3.6.1.2.1.81.1.3.1.1': 2,
    '1.3.6.1.2.1.81.1.3.1.2': 3,
    '1.3.6.1.2.1.81.1.3.1.3': 1,
    '1.3.6.1.2.1.81.1.3.1.4': 1,
    '1.3.6.1.2.1.81.1.3.1.5': '10.90.92.1',
    '1.3.6.1.2.1.81.1.3.1.6': 1,
    '1.3.6.1.2.1.81.1.3.1.7': 1,
    '1.3.6.1.2.1.81.1.3.1.8': '2026-12-11,11:59:02.0',
    '1.3.6.1.2.1.81.1.4.1.4': 1,
    '1.3.6.1.2.1.81.1.4.1.5': lambda i: ['10.90.90.254', '10.90.91.1', '10.90.92.1'][i[-2] - 1],
    '1.3.6.1.2.1.81.1.4.1.6': lambda i: i[-2] * 2,
    '1.3.6.1.2.1.81.1.4.1.7': 1,
    '1.3.6.1.2.1.81.1.4.1.8': 0,
    '1.3.6.1.2.1.81.1.4.1.9': '2026-12-11,11:59:02.0',
    '1.3.6.1.2.1.81.1.5.1.2': 1,
    '1.3.6.1.2.1.81.1.5.1.3': lambda i: ['10.90.90.254', '10.90.91.1', '10.90.92.1'][i[-1] - 1],
    '1.3.6.1.2.1.81.1.5.1.4': lambda i: i[-1] * 2 - 1,
    '1.3.6.1.2.1.81.1.5.1.5': lambda i: i[-1] * 2 + 1,
    '1.3.6.1.2.1.81.1.5.1.6': lambda i: i[-1] * 2,
    '1.3.6.1.2.1.81.1.5.1.7': lambda i: 3 * (i[-1] * 2) ** 2 + 2,
    '1.3.6.1.2.1.81.1.5.1.8': 3,
    '1.3.6.1.2.1.81.1.5.1.9': 3,
    '1.3.6.1.2.1.81.1.5.1.10': '2026-12-11,11:59:02.0',
    # communities
    '1.3.6.1.6.3.18.1.1.1.2': lambda i: ''.join(chr(c) for c in i),
    '1.3.6.1.6.3.18.1.1.1.3': lambda i: ''.join(chr(c) for c in i),
    '1.3.6.1.6.3.18.1.1.1.4': b'',
    '1.3.6.1.6.3.18.1.1.1.5': '',
    '1.3.6.1.6.3.18.1.1.1.6': '',
    '1.3.6.1.6.3.18.1.1.1.7': 3,
    '1.3.6.1.6.3.18.1.1.1.8': 1,
}

# Port-list columns are 8 octets; bit strings of other widths are listed here.
OCTET_WIDTH = {
    '1.3.6.1.2.1.10.7.9.1.1': 1,
    ENT + '.12.10.1': 2,
    ENT + '.12.7.1.2': 1,
    ENT + '.12.50.3.1.1.2': 1,
    ENT + '.12.4.1.2.1.1.20': 1, ENT + '.12.4.1.2.1.1.21': 1, ENT + '.12.4.1.2.1.1.22': 1,
    ENT + '.12.4.1.2.1.1.23': 1,
}

TYPE_OF = {2: 'INTEGER', 3: 'STRING', 4: 'STRING', 6: 'OID', 64: 'IPADDRESS', 65: 'COUNTER', 66: 'GAUGE',
           67: 'TIMETICKS', 70: 'COUNTER64', 73: 'STRING', 74: 'STRING', 76: 'STRING', 77: 'STRING'}


def quote(text):
    return '"' + text.replace('\\', '\\\\').replace('"', '\\"') + '"'


def render(syntax, value):
    """The data-file text of a Python value for a syntax code."""
    if isinstance(value, tuple) and value[0] == 'oid':
        return value[1]
    if isinstance(value, tuple) and value[0] == 'ip':
        return value[1]
    if isinstance(value, (bytes, bytearray)):
        return '0x' + value.hex().upper() if value else '""'
    if isinstance(value, str):
        if syntax == 64:
            return value
        if syntax == 6:
            return value
        return quote(value)
    if syntax in (4, 3, 73, 77) and isinstance(value, int):
        raise ValueError('an integer for an octet string')
    return str(value)


def default_value(oid, syntax, enum, inst, instance_counter):
    """A plausible value for an object the tables above leave out."""
    if enum:
        values = enum if isinstance(enum, list) else ENUMS.get(enum) if isinstance(enum, str) and enum in ENUMS \
            else None
        if isinstance(enum, str) and enum in ('rs', 'rs3', 'E12', 'E39'):
            return 1
        if values:
            for preferred in (3, 1, 2):  # enabled, then the first usual value
                if preferred in values and enum in ('E8', 'E36', 'E48', [2, 3]):
                    return preferred
            return values[0]
    if syntax == 2:
        if isinstance(enum, str) and enum in NAMED:
            e, r, s = NAMED[enum]
            if e:
                return e[0]
            if r:
                return max(r[0], min(r[1], 0))
        return 0
    if syntax == 65:
        return h(oid, inst) % (50000 if instance_counter else 5000) if port_traffic(inst) else 0
    if syntax == 70:
        return h(oid, inst) % 4000000000 if port_traffic(inst) else 0
    if syntax == 66:
        return h(oid, inst) % 100
    if syntax == 67:
        return h(oid, inst) % 8640000
    if syntax == 64:
        return ('ip', '0.0.0.0')
    if syntax == 73:
        return bytes(6)
    if syntax == 77:
        return bytes(16)
    if syntax == 6:
        return ('oid', '0.0')
    if syntax == 74:
        return datetime_bytes(2026, 1, 1, 0, 0, 0)
    if syntax == 3:
        return bytes(OCTET_WIDTH.get(oid, 8))
    if syntax == 4:
        return bytes(OCTET_WIDTH.get(oid, 0))
    if syntax == 76:
        return ''
    raise ValueError('no default for syntax %d' % syntax)


def port_traffic(inst):
    return not inst or len(inst) != 1 or port_up(inst[0]) or inst[0] > PORTS


def index_value(syntax, parts):
    if syntax in (2, 66, 65, 67):
        return parts[0]
    if syntax == 64:
        return ('ip', '.'.join(str(p) for p in parts))
    if syntax == 73:
        return bytes(parts)
    if syntax == 76:
        return ''.join(chr(p) for p in parts)
    if syntax == 4:
        return bytes(parts)
    return parts[0]


def split_instance(index_vars, inst):
    """Cuts an instance into the parts of the index variables."""
    parts = []
    pos = 0
    for k, (oid, syntax, acc, enum) in enumerate(index_vars):
        if syntax == 73:
            n = 6
        elif syntax == 64:
            n = 4
        elif syntax in (76, 4) and acc == 'j':
            n = len(inst) - pos
        elif syntax in (76, 4):
            n = inst[pos]
            pos += 1
        else:
            n = 1
        parts.append(tuple(inst[pos:pos + n]))
        pos += n
    return parts


def constraint_flags(oid, syntax, enum, acc='w'):
    flags = []
    if acc != 'w':
        enum = None if is_status(enum) else enum
    if isinstance(enum, str) and enum in ('rs', 'E12'):
        flags.append('rowstatus')
        enum = None
    elif isinstance(enum, str) and enum in ('rs3', 'E39'):
        flags.append('rowstatus')
        enum = None
    values = None
    rng = size = None
    if isinstance(enum, list):
        values = enum
    elif isinstance(enum, str) and enum in ENUMS and enum not in ('E14', 'E15'):
        values = ENUMS[enum]
    elif isinstance(enum, str) and enum in NAMED:
        values, rng, size = NAMED[enum]
    if oid in CREATE_DESTROY:
        flags.append('create')
        flags.append('destroy=%d' % CREATE_DESTROY[oid])
    if oid in DESTROY_ONLY:
        flags.append('destroy=%d' % DESTROY_ONLY[oid])
    if oid in WINDOW_RANGES:
        rng = WINDOW_RANGES[oid]
    if values and syntax == 2:
        flags.append('enum=' + ','.join(str(v) for v in values))
    if rng and syntax == 2:
        flags.append('range=%d..%d' % rng)
    if syntax == 3 and not size:
        size = (OCTET_WIDTH.get(oid, 8),) * 2
    if syntax == 73:
        size = (6, 6)
    if syntax == 77:
        size = (16, 16)
    if syntax == 74:
        size = (8, 11)
    if size and syntax in (3, 4, 73, 74, 76, 77):
        flags.append('size=%d..%d' % size)
    return flags


def served(oid):
    if oid.startswith('1.3.6.1.6.3.') and not oid.startswith('1.3.6.1.6.3.18.'):
        return False  # net-snmp's own modules serve the SNMPv3 framework
    return True


def key(oid):
    return tuple(int(x) for x in oid.split('.'))


def is_status(enum):
    return isinstance(enum, str) and enum in ('rs', 'rs3', 'E12', 'E39')


def column_line(oid, syntax, access, default, flags):
    return '%%column %s %s %s %s%s' % (oid, TYPE_OF[syntax], access, default, ''.join(' ' + f for f in flags))


def build():
    objects = {}
    columns = {}
    for name, entry, kind, nidx, variables in WINDOWS + HAND:
        if not served(entry):
            continue
        index_vars = [v for v in variables if v[2] in ('i', 'j')][:nidx]
        is_table = kind != 0 or nidx > 0
        creatable = is_table and any((is_status(v[3]) and v[2] == 'w') or v[0] in CREATE_DESTROY for v in variables)
        # Declarations: what a write may carry, and the cells of a created row.
        for oid, syntax, acc, enum in variables:
            if oid is None or not served(oid) or oid in NOT_ACCESSIBLE:
                continue
            flags = constraint_flags(oid, syntax, enum, acc)
            if acc in ('i', 'j'):
                if not creatable:
                    continue
                k = [v[0] for v in index_vars].index(oid) if oid in [v[0] for v in index_vars] else -1
                if k < 0 or syntax not in (2, 66) or any(v[1] not in (2, 66) for v in index_vars[:k]):
                    continue
                columns[oid] = column_line(oid, syntax, 'ro', '$%d' % (k + 1), [])
                continue
            if not (acc == 'w' or creatable):
                continue
            default = '-'
            if creatable and 'rowstatus' not in flags:
                value = V.get(oid)
                if value is None or callable(value) or syntax == 3:
                    value = default_value(oid, syntax, enum, (), False)
                default = render(syntax, value)
            columns[oid] = column_line(oid, syntax, 'rw' if acc == 'w' else 'ro', default, flags)
        # Objects.
        if not is_table:
            for oid, syntax, acc, enum in variables:
                if oid is None or not served(oid):
                    continue
                value = V.get(oid)
                if value is None:
                    value = default_value(oid, syntax, enum, (), False)
                objects[oid + '.0'] = (TYPE_OF[syntax], 'rw' if acc == 'w' else 'ro', render(syntax, value))
            continue
        positions = [v[0] for v in index_vars]
        for inst in rows_for(entry, nidx):
            parts = split_instance(index_vars, inst)
            for oid, syntax, acc, enum in variables:
                if oid is None or not served(oid) or oid in NOT_ACCESSIBLE:
                    continue
                full = oid + ''.join('.%d' % x for x in inst)
                if acc in ('i', 'j'):
                    if oid not in positions:
                        continue
                    value = index_value(syntax, parts[positions.index(oid)])
                    access = 'ro'
                else:
                    value = V.get(oid)
                    if callable(value):
                        value = value(inst)
                    if value is None:
                        value = default_value(oid, syntax, enum, inst, True)
                    access = 'rw' if acc == 'w' else 'ro'
                objects[full] = (TYPE_OF[syntax], access, render(syntax, value))
    return objects, columns


def main():
    objects, columns = build()
    here = os.path.dirname(os.path.abspath(__file__))
    out = [
        '# vn2400-sim: the built-in state of the simulated VN-2400 switch (24 + 4 ports).',
        '# Written by sim/gen_data.py, which describes the format.',
        '# sysUpTime, swL2DevInfoFrontPanelLedStatus and the current time are computed on',
        '# every read; their values here are placeholders. The traffic counters of ports with a',
        '# link grow from the values here while the simulator runs.',
        '',
    ]
    for oid in sorted(columns, key=key):
        out.append(columns[oid])
    out.append('')
    for oid in sorted(objects, key=key):
        t, a, v = objects[oid]
        out.append('%s %s %s %s' % (oid, t, a, v))
    with open(os.path.join(here, 'vn2400.data'), 'w') as f:
        f.write('\n'.join(out) + '\n')
    print('%d objects, %d column declarations' % (len(objects), len(columns)))


if __name__ == '__main__':
    main()
