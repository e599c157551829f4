/* MbKit: a Modbus master over a serial line (RTU) or Modbus TCP, on libmodbus.
 * The TCP port is 502 unless PortLink.ini says otherwise. */
#ifndef GWSUITE_MBKIT_H
#define GWSUITE_MBKIT_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define MBKIT_API __attribute__((visibility("default")))

/* One link at a time; opening closes the previous one. Results: 0 or more
 * is success, -1 failure (errno set, a line on stderr for failed opens).
 *
 * OpenModbusSerial: `port` is "COMn" (mapped through [COMPorts] of
 * PortLink.ini, default /dev/ttyS<n-1>) or a device path; parity 'N', 'E',
 * 'O'; `mode` 1 = RTU, the only framing carried.
 * OpenModbusTCPSocket: the module's address at the Modbus TCP port.
 * ReadSelect: greater than 0 when a reply is waiting within the time.
 * RequestData: sends [station, function, data...] as one request, after
 * dropping any stale input; returns the bytes sent.
 * ResponseData: receives the reply (a short time-out: call ReadSelect
 * first), sets *first to its station and *second to its function code
 * (either pointer may be null), copies its data bytes into `data` (at most
 * 252; for the read functions the bytes after the byte count) and returns
 * their number; -1 for an exception reply, a bad checksum or none at all. */
MBKIT_API int OpenModbusSerial(const char* port, int baud, int dataBits, int parity, int stopBits,
                               int mode);
MBKIT_API void CloseSerial(void);
MBKIT_API int OpenModbusTCPSocket(uint32_t ipNetworkOrder);
MBKIT_API void CloseSocket(void);
MBKIT_API int ReadSelect(int milliseconds);
MBKIT_API int RequestData(int station, int function, const uint8_t* data, int length);
MBKIT_API int ResponseData(int32_t* first, int32_t* second, uint8_t* data);

#ifdef __cplusplus
}
#endif

#endif
