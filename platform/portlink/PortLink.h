/* PortLink: the transport of the configuration protocol (UDP port 20006 or a
 * serial line at 19200 8N1), and the owner of the communication settings,
 * kept in PortLink.ini in the configuration folder.
 *
 * Addresses passed in are IPv4 values in network order; GetRemoteIPAddr
 * answers in host order. */
#ifndef GWSUITE_PORTLINK_H
#define GWSUITE_PORTLINK_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define PORTLINK_API __attribute__((visibility("default")))

/* One serial link and one socket link may be open; SendData, RecvData and
 * ReadSelect use the one opened last. Opens return 0, or -1 with the reason
 * in GetLastSerialErr/GetLastSocketErr (errno values) and on stderr.
 *
 * OpenSocket(2, address, localPort, 20006, flags): a UDP socket (type 2 is
 * the only one) on `localPort` (0 = ephemeral). SendData sends one datagram;
 * 255.255.255.255 goes to PortLink.ini's BroadcastAddress when set, else to
 * the broadcast address of every interface that can broadcast. RecvData
 * takes one waiting datagram at once (0 when none). ReadSelect waits for
 * one. With GWSUITE_LOOPBACK_ONLY=1 sends outside 127.0.0.0/8 are refused.
 * OpenSerialEx: COM<port> as mapped in [COMPorts] (or set by SetCOMPortDevice). RecvData then
 * returns one frame (0xC0 ... 0xC0): it waits up to 2000 ms for the first byte and ends at the
 * closing 0xC0, after 100 ms of silence or at the capacity. OpenModbusTCPSocket: a TCP stream to
 * the ModbusTCPPort (default 502). RequestData/ResponseData: one block [station, function, data...]
 * through the open link; ResponseData's buffer must hold 1534 bytes. Set/GetSerializeData: up to
 * 10240 bytes in PortLink.dat. */

PORTLINK_API int OpenSerial(int port);
PORTLINK_API int OpenSerialEx(int port, int baud, int dataBits, int parity, int stopBits);
PORTLINK_API void CloseSerial(void);
PORTLINK_API void SetCOMPortNum(int port);
PORTLINK_API int GetCOMPortNum(void);
PORTLINK_API int GetLastSerialErr(void);
PORTLINK_API void ResetSerialErr(void);
PORTLINK_API int OpenModbusTCPSocket(uint32_t ipNetworkOrder);
PORTLINK_API int OpenSocket(int type, uint32_t ipNetworkOrder, int localPort, int remotePort,
                            int flags);
PORTLINK_API void CloseSocket(void);
PORTLINK_API int ReadSelect(int milliseconds);
PORTLINK_API void SetRemoteIPAddr(uint32_t ipNetworkOrder);
PORTLINK_API uint32_t GetRemoteIPAddr(void);
PORTLINK_API int GetLastSocketErr(void);
PORTLINK_API void ResetSocketErr(void);
PORTLINK_API int RequestData(int station, int function, const uint8_t* data, int length);
PORTLINK_API int ResponseData(int32_t* first, int32_t* second, uint8_t* data);
PORTLINK_API int SendData(const uint8_t* data, int length);
PORTLINK_API int RecvData(uint8_t* buffer, int capacity);
PORTLINK_API void SetCommType(int type);
PORTLINK_API int GetCommType(void);
PORTLINK_API int SetSerializeData(const uint8_t* data, int length);
PORTLINK_API int GetSerializeData(uint8_t* buffer);

/* Beyond the entry points the plug-in binds, for the host's settings dialog
 * and the command-line tool: the device behind COM<port> (default
 * /dev/ttyS<port-1>); Get copies at most `capacity` bytes, zero-terminated,
 * and returns the full length.
 *
 * The Set entry points change the settings of this process only (a search
 * aims the link at an address for its own run). SaveCommSettings writes
 * what this process set into PortLink.ini, for every program that starts
 * later: 0, or an errno value after the reason went to stderr (EBADMSG:
 * PortLink.ini cannot be read whole and was left as it is; EACCES: it is
 * read-only). */
PORTLINK_API void SetCOMPortDevice(int port, const char* path);
PORTLINK_API int GetCOMPortDevice(int port, char* path, int capacity);
PORTLINK_API int SaveCommSettings(void);

#ifdef __cplusplus
}
#endif

#endif
