// The serial-port component in form files: its published table and the unit
// that registers it. Every value is stored, so a form holds the whole line set-up.
#include "SerialComm.h"

VAMIRE_PUBLISHED(TComm,
                 Prop(L"CommName", &TComm::CommName, &TComm::SetCommName).NoDefault(),
                 Prop(L"BaudRate", &TComm::BaudRate, &TComm::SetBaudRate).NoDefault(),
                 Prop(L"ParityCheck", &TComm::ParityCheck, &TComm::SetParityCheck).NoDefault(),
                 Prop(L"Outx_CtsFlow", &TComm::Outx_CtsFlow, &TComm::SetOutx_CtsFlow).NoDefault(),
                 Prop(L"Outx_DsrFlow", &TComm::Outx_DsrFlow, &TComm::SetOutx_DsrFlow).NoDefault(),
                 Prop(L"DtrControl", &TComm::DtrControl, &TComm::SetDtrControl).NoDefault(),
                 Prop(L"DsrSensitivity", &TComm::DsrSensitivity, &TComm::SetDsrSensitivity).NoDefault(),
                 Prop(L"TxContinueOnXoff", &TComm::TxContinueOnXoff, &TComm::SetTxContinueOnXoff).NoDefault(),
                 Prop(L"Outx_XonXoffFlow", &TComm::Outx_XonXoffFlow, &TComm::SetOutx_XonXoffFlow).NoDefault(),
                 Prop(L"Inx_XonXoffFlow", &TComm::Inx_XonXoffFlow, &TComm::SetInx_XonXoffFlow).NoDefault(),
                 Prop(L"ReplaceWhenParityError", &TComm::ReplaceWhenParityError, &TComm::SetReplaceWhenParityError)
                     .NoDefault(),
                 Prop(L"IgnoreNullChar", &TComm::IgnoreNullChar, &TComm::SetIgnoreNullChar).NoDefault(),
                 Prop(L"RtsControl", &TComm::RtsControl, &TComm::SetRtsControl).NoDefault(),
                 Prop(L"XonLimit", &TComm::XonLimit, &TComm::SetXonLimit).NoDefault(),
                 Prop(L"XoffLimit", &TComm::XoffLimit, &TComm::SetXoffLimit).NoDefault(),
                 Prop(L"ByteSize", &TComm::ByteSize, &TComm::SetByteSize).NoDefault(),
                 Prop(L"Parity", &TComm::Parity, &TComm::SetParity).NoDefault(),
                 Prop(L"StopBits", &TComm::StopBits, &TComm::SetStopBits).NoDefault(),
                 Prop(L"XonChar", &TComm::XonChar, &TComm::SetXonChar).NoDefault(),
                 Prop(L"XoffChar", &TComm::XoffChar, &TComm::SetXoffChar).NoDefault(),
                 Prop(L"ReplacedChar", &TComm::ReplacedChar, &TComm::SetReplacedChar).NoDefault(),
                 Prop(L"ReadIntervalTimeout", &TComm::ReadIntervalTimeout, &TComm::SetReadIntervalTimeout).NoDefault(),
                 Prop(L"ReadTotalTimeoutMultiplier", &TComm::ReadTotalTimeoutMultiplier,
                      &TComm::SetReadTotalTimeoutMultiplier).NoDefault(),
                 Prop(L"ReadTotalTimeoutConstant", &TComm::ReadTotalTimeoutConstant,
                      &TComm::SetReadTotalTimeoutConstant).NoDefault(),
                 Prop(L"WriteTotalTimeoutMultiplier", &TComm::WriteTotalTimeoutMultiplier,
                      &TComm::SetWriteTotalTimeoutMultiplier).NoDefault(),
                 Prop(L"WriteTotalTimeoutConstant", &TComm::WriteTotalTimeoutConstant,
                      &TComm::SetWriteTotalTimeoutConstant).NoDefault(),
                 Prop(L"OnReceiveData", &TComm::OnReceiveData),
                 Prop(L"OnReceiveError", &TComm::OnReceiveError),
                 Prop(L"OnModemStateChange", &TComm::OnModemStateChange),
                 Prop(L"OnRequestHangup", &TComm::OnRequestHangup),
                 Prop(L"OnSendDataEmpty", &TComm::OnSendDataEmpty))

namespace {
void InitSerialComm() { RegisterClasses({TComm::StaticClass()}); }
void DoneSerialComm() { UnRegisterClasses({TComm::StaticClass()}); }
}  // namespace

const TUnitEntry SerialCommUnit = {L"SerialComm", &InitSerialComm, &DoneSerialComm};
