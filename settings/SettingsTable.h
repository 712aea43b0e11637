#pragma once

#include "framework/CString.h"

// The settings table: every value of the game's "options.xml" and the mod's
// "vk_options.xml" as text, one member per element, in the order the game options
// file is written, the mod's four settings last. Every member starts empty.
struct CSettingsTable {
    // Directly under the root of the game options file
    CString m_strMouseRadiansPerPixel;
    CString m_strUseMouseInput;
    CString m_strMoveShuffleThreshold;
    CString m_strMoveNormalThreshold;
    CString m_strMoveFastThreshold;
    CString m_strMouseLookReverseY;
    CString m_strThreatIndicatorEnabled;
    CString m_strDefaultKeyMappingFilename;

    // Gameplay
    CString m_strBloodOn;
    CString m_strRecordGame;
    CString m_strShowIntro;
    CString m_strAutoAssignStats;
    CString m_strInitialRateOfFire;
    CString m_strAlwaysRun;
    CString m_strScaleCommandMap;
    CString m_strScaleHUD;
    CString m_strIFFType;

    // Under the root again
    CString m_strShellBackgroundIndex;
    CString m_strReticuleColorR;
    CString m_strReticuleColorG;
    CString m_strReticuleColorB;
    CString m_strReticuleIFFColorR;
    CString m_strReticuleIFFColorG;
    CString m_strReticuleIFFColorB;
    CString m_strXBoxMode;

    // Graphics
    CString m_strFullScreen;
    CString m_strVideoResolution;
    CString m_strShowFrameRate;
    CString m_strUsePrimaryDisplay;
    CString m_strUseDisplayDeviceGuid;
    CString m_strDisplayDeviceGuid;
    CString m_strCompressTextures;
    CString m_strHumanShadowDetail;
    CString m_strVehicleShadowDetail;
    CString m_strBulletHoleMax;
    CString m_strGamma;
    CString m_strDefaultMipMapping;
    CString m_strMipMapLODBias;
    CString m_strShowDeadBodies;
    CString m_strCharVertexWeight;
    CString m_strParticleDetail;
    CString m_strUITextureDetail;
    CString m_strLevelTextureDetail;
    CString m_strCharacterTextureDetail;
    CString m_strEffectTextureDetail;
    CString m_strZBufferBits;
    CString m_strTreeModelDetail;
    CString m_strCharacterModelDetail;

    // Sound
    CString m_strMasterVolume;
    CString m_strMasterSwitch;
    CString m_strEffectsVolume;
    CString m_strEffectsSwitch;
    CString m_strMusicVolume;
    CString m_strMusicSwitch;
    CString m_strVoiceVolume;
    CString m_strVoiceSwitch;
    CString m_strAlternateCache;
    CString m_strUseEAX;
    CString m_strSoundInSoftware;
    CString m_strChatIndicatorSound;

    // Multiplayer; each chat message is kept as its whole markup
    CString m_strChatMsg[10];
    CString m_strMPGameName;
    CString m_strMOTD;
    CString m_strJoinPort;
    CString m_strAnnouncePort;
    CString m_strBehindFirewall;
    CString m_strPreferredIP;
    CString m_strRemoteServerAccess;
    CString m_strRemoteServerPasswd;
    CString m_strGameSynchTimeout;
    CString m_strCharIndex;
    CString m_strKitIndex;
    CString m_strIPAddress[12];

    // Under the root again
    CString m_strPlayerName;

    // The mod options file
    CString m_strFirstRun;
    CString m_strDoIntro;
    CString m_strWindowMode;
    CString m_strShowFPSRate;
};
