// LumoSms: sending and receiving SMS through a GSM modem on a serial port, in PDU mode (C interface).
#pragma once

#if defined(__GNUC__)
#define LUMOSMS_EXPORT __attribute__((visibility("default")))
#else
#define LUMOSMS_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/*! \brief The send-result callback, called on the library's modem worker thread.
    \param result 1 when the modem accepted the message, -1 when it answered "ERROR".
    \param messageId The identifier the caller gave to Lumo_gsmSendMessage.
    The callback may call Lumo_gsmSendMessage (which then returns 5 at once when the send queue is full,
    instead of waiting for room that only this thread could make); a call of Lumo_gsmClose from it
    returns 0 and closes nothing. */
typedef void (*Lumo_gsmSentCallback)(int result, int messageId);

/*! \brief The report of a received message that cannot be decoded, called on the library's modem worker thread.
    A listed message whose PDU is not a complete SMS-DELIVER the library reads (a status report, a PDU the
    modem garbled, a sender or text too long for its field) is never delivered by Lumo_gsmRecvMessage. The
    worker deletes it from the modem like every other listed message, so that it does not stay in the
    modem's storage for good, and reports it here first.
    \param storageIndex The modem's storage index the message had.
    \param pdu The PDU line as the modem listed it: hexadecimal text as a rule, zero-terminated, possibly
           empty; valid during the call only.
    The callback may call the library's functions as the send-result callback may. */
typedef void (*Lumo_gsmUndecodableCallback)(int storageIndex, const char *pdu);

/*! \brief Opens the modem and starts the library.
    Opens serial port `port` (the device in environment variable LUMOSMS_COM<port> when set, else
    /dev/ttyS<port-1>) at `baud` with 8 data bits, no parity and one stop bit, and runs the modem dialogue:
    echo off, a SIM must answer, new-message indications on, the service-centre query, PDU mode. Then the
    modem worker thread starts: it sends queued messages one at a time and every five seconds of idle time
    fetches the modem's received messages into the receive queue and deletes them from the modem (one that
    cannot be decoded goes to the undecodable-message callback instead of the queue, and is deleted too).
    \param defaultSca Service-centre number used when the modem reports none (or one longer than 15 digits);
           digits with an optional leading "+". NULL or "" leaves it to the number stored on the SIM.
    \param port Serial port number, from 1.
    \param baud Baud rate; one of 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600.
    \param onSent Send-result callback; NULL when the caller does not want results.
    \return 1 ready; 0 failed (the port cannot be opened or is in use, an unsupported rate, or the modem did
            not answer OK): nothing stays open and the library stays closed. When the library is already
            initialised the call changes nothing and returns 1. */
LUMOSMS_EXPORT int Lumo_gsmInit(const char *defaultSca, int port, int baud, Lumo_gsmSentCallback onSent);

/*! \brief Queues one message for sending as UCS2 text.
    Waits while the send queue (1,280 messages) is full. The result of the modem comes later through the
    send-result callback with the same messageId.
    \param messageId The caller's identifier, handed back to the callback.
    \param number Destination: at least 11 characters, digits with an optional leading "+"; "86" is put in
           front unless it starts with it, and the result must not exceed 15 digits.
    \param text The message in GBK, zero-terminated: 1 to 70 characters.
    \return 0 queued; 1 the text is empty (or NULL); 2 the text holds more than 70 characters; 3 the number
            is NULL, shorter than 11 characters, holds anything but digits after a leading "+", or exceeds
            15 digits in international form; 4 the library is not initialised; 5 not queued (the library
            was closed while waiting for room, or a full queue inside the callback). */
LUMOSMS_EXPORT int Lumo_gsmSendMessage(int messageId, const char *number, const char *text);

/*! \brief What a result of Lumo_gsmSendMessage other than 0 means, in English, for a caller's messages.
    \param result A result of Lumo_gsmSendMessage.
    \return A static text, never NULL. */
static inline const char *Lumo_gsmSendResultText(int result)
{
    switch (result) {
    case 0:
        return "queued";
    case 1:
        return "the text is empty";
    case 2:
        return "the text is longer than 70 characters";
    case 3:
        return "the number is not usable (11 to 15 digits in international form)";
    case 4:
        return "the library is not initialised";
    default:
        return "the message was not queued";
    }
}

/*! \brief Takes the oldest received message, waiting at most 100 ms for one.
    Every buffer receives a zero-terminated text cut to fit its size (never in the middle of a GBK
    character); a NULL buffer or a size below 1 receives nothing, the message is taken all the same.
    \param time Receives the service-centre time stamp as "yyyy-MM-dd hh:mm:ss" (20 bytes with terminator).
    \param timeSize Size of `time` in bytes.
    \param number Receives the sender without a leading "86" (at most 15 characters and the terminator).
    \param numberSize Size of `number` in bytes.
    \param text Receives the text in GBK (at most 160 bytes and the terminator).
    \param textSize Size of `text` in bytes.
    \return 1 a message was delivered into the buffers; 0 none arrived, or the library is not initialised. */
LUMOSMS_EXPORT int Lumo_gsmRecvMessage(char *time, int timeSize, char *number, int numberSize, char *text,
                                       int textSize);

/*! \brief Sets the undecodable-message callback, or with NULL removes it.
    It may be set before or after Lumo_gsmInit, applies from the next inbox listing on and stays set across
    Lumo_gsmClose. Without one, messages that cannot be decoded are deleted from the modem unreported.
    \param onUndecodable The callback, or NULL. */
LUMOSMS_EXPORT void Lumo_gsmSetUndecodableCallback(Lumo_gsmUndecodableCallback onUndecodable);

/*! \brief Stops the library and closes the port.
    The worker ends its current step; messages still queued for sending, messages submitted but not yet
    answered (they get no callback) and received messages not yet taken are dropped; callers waiting in
    Lumo_gsmSendMessage return 5. Unloading the library does the same.
    \return 0 when the library is not initialised (or when called from the send-result callback); otherwise
            1 when the port closed, 0 when closing it failed. */
LUMOSMS_EXPORT int Lumo_gsmClose(void);

#ifdef __cplusplus
}
#endif
