#pragma once

#include "framework/AfxConstants.h"
#include "framework/AfxTypes.h"

class CCmdTarget;

// Calls one handler of a map entry with the message's parameters.
using AFX_PMSG = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode; // notification code, for WM_COMMAND
    UINT nID;   // control or command id, for WM_COMMAND
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries; // ends with an entry whose pfn is null
};

// An object that handles messages through the table of its class and its bases.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the handler that the maps give for the message; false when none has it.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

template <class Member> struct AfxMemberClass;
template <class T, class Result, class... Args> struct AfxMemberClass<Result (T::*)(Args...)> {
    using type = T;
};

template <auto Handler> LRESULT AfxVoidThunk(CCmdTarget* target, WPARAM, LPARAM) {
    using T = typename AfxMemberClass<decltype(Handler)>::type;
    (static_cast<T*>(target)->*Handler)();
    return 0;
}

template <auto Handler>
LRESULT AfxSysCommandThunk(CCmdTarget* target, WPARAM wParam, LPARAM lParam) {
    using T = typename AfxMemberClass<decltype(Handler)>::type;
    (static_cast<T*>(target)->*Handler)(static_cast<UINT>(wParam), lParam);
    return 0;
}

template <auto Handler> LRESULT AfxQueryDragIconThunk(CCmdTarget* target, WPARAM, LPARAM) {
    using T = typename AfxMemberClass<decltype(Handler)>::type;
    return reinterpret_cast<LRESULT>((static_cast<T*>(target)->*Handler)());
}

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, 0, nullptr }                                                                           \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, entries};              \
    return &messageMap;                                                                            \
    }

#define ON_WM_SYSCOMMAND() {WM_SYSCOMMAND, 0, 0, &AfxSysCommandThunk<&ThisClass::OnSysCommand>},
#define ON_WM_PAINT() {WM_PAINT, 0, 0, &AfxVoidThunk<&ThisClass::OnPaint>},
#define ON_WM_QUERYDRAGICON()                                                                      \
    {WM_QUERYDRAGICON, 0, 0, &AfxQueryDragIconThunk<&ThisClass::OnQueryDragIcon>},
#define ON_COMMAND(id, memberFxn) {WM_COMMAND, 0, id, &AfxVoidThunk<&memberFxn>},
#define ON_BN_CLICKED(id, memberFxn)                                                               \
    {WM_COMMAND, BN_CLICKED, id, &AfxVoidThunk<&ThisClass::memberFxn>},
#define ON_EN_SETFOCUS(id, memberFxn)                                                              \
    {WM_COMMAND, EN_SETFOCUS, id, &AfxVoidThunk<&ThisClass::memberFxn>},
