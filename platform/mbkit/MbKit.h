/* MbKit: a Modbus master over a serial line (RTU) or Modbus TCP, on libmodbus.
 * The TCP port is 502 unless PortLink.ini says otherwise. */
#ifndef GWSUITE_MBKIT_H
#define GWSUITE_MBKIT_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define MBKIT_API __attribute__((visibility("default")))

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
