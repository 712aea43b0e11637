#include "tests/support/SettingsDump.h"

std::map<std::string, std::string> NonEmptySettings(const CSettingsTable& table) {
    std::map<std::string, std::string> settings;
    const auto add = [&settings](const std::string& name, const CString& value) {
        if (!value.IsEmpty()) {
            settings[name] = value.Bytes();
        }
    };
    add("MouseRadiansPerPixel", table.m_strMouseRadiansPerPixel);
    add("UseMouseInput", table.m_strUseMouseInput);
    add("MoveShuffleThreshold", table.m_strMoveShuffleThreshold);
    add("MoveNormalThreshold", table.m_strMoveNormalThreshold);
    add("MoveFastThreshold", table.m_strMoveFastThreshold);
    add("MouseLookReverseY", table.m_strMouseLookReverseY);
    add("ThreatIndicatorEnabled", table.m_strThreatIndicatorEnabled);
    add("DefaultKeyMappingFilename", table.m_strDefaultKeyMappingFilename);
    add("BloodOn", table.m_strBloodOn);
    add("RecordGame", table.m_strRecordGame);
    add("ShowIntro", table.m_strShowIntro);
    add("AutoAssignStats", table.m_strAutoAssignStats);
    add("InitialRateOfFire", table.m_strInitialRateOfFire);
    add("AlwaysRun", table.m_strAlwaysRun);
    add("ScaleCommandMap", table.m_strScaleCommandMap);
    add("ScaleHUD", table.m_strScaleHUD);
    add("IFFType", table.m_strIFFType);
    add("ShellBackgroundIndex", table.m_strShellBackgroundIndex);
    add("ReticuleColorR", table.m_strReticuleColorR);
    add("ReticuleColorG", table.m_strReticuleColorG);
    add("ReticuleColorB", table.m_strReticuleColorB);
    add("ReticuleIFFColorR", table.m_strReticuleIFFColorR);
    add("ReticuleIFFColorG", table.m_strReticuleIFFColorG);
    add("ReticuleIFFColorB", table.m_strReticuleIFFColorB);
    add("XBoxMode", table.m_strXBoxMode);
    add("FullScreen", table.m_strFullScreen);
    add("VideoResolution", table.m_strVideoResolution);
    add("ShowFrameRate", table.m_strShowFrameRate);
    add("UsePrimaryDisplay", table.m_strUsePrimaryDisplay);
    add("UseDisplayDeviceGuid", table.m_strUseDisplayDeviceGuid);
    add("DisplayDeviceGuid", table.m_strDisplayDeviceGuid);
    add("CompressTextures", table.m_strCompressTextures);
    add("HumanShadowDetail", table.m_strHumanShadowDetail);
    add("VehicleShadowDetail", table.m_strVehicleShadowDetail);
    add("BulletHoleMax", table.m_strBulletHoleMax);
    add("Gamma", table.m_strGamma);
    add("DefaultMipMapping", table.m_strDefaultMipMapping);
    add("MipMapLODBias", table.m_strMipMapLODBias);
    add("ShowDeadBodies", table.m_strShowDeadBodies);
    add("CharVertexWeight", table.m_strCharVertexWeight);
    add("ParticleDetail", table.m_strParticleDetail);
    add("UITextureDetail", table.m_strUITextureDetail);
    add("LevelTextureDetail", table.m_strLevelTextureDetail);
    add("CharacterTextureDetail", table.m_strCharacterTextureDetail);
    add("EffectTextureDetail", table.m_strEffectTextureDetail);
    add("ZBufferBits", table.m_strZBufferBits);
    add("TreeModelDetail", table.m_strTreeModelDetail);
    add("CharacterModelDetail", table.m_strCharacterModelDetail);
    add("MasterVolume", table.m_strMasterVolume);
    add("MasterSwitch", table.m_strMasterSwitch);
    add("EffectsVolume", table.m_strEffectsVolume);
    add("EffectsSwitch", table.m_strEffectsSwitch);
    add("MusicVolume", table.m_strMusicVolume);
    add("MusicSwitch", table.m_strMusicSwitch);
    add("VoiceVolume", table.m_strVoiceVolume);
    add("VoiceSwitch", table.m_strVoiceSwitch);
    add("AlternateCache", table.m_strAlternateCache);
    add("UseEAX", table.m_strUseEAX);
    add("SoundInSoftware", table.m_strSoundInSoftware);
    add("ChatIndicatorSound", table.m_strChatIndicatorSound);
    for (int i = 0; i < 10; ++i) {
        add("ChatMsg[" + std::to_string(i) + "]", table.m_strChatMsg[i]);
    }
    add("MPGameName", table.m_strMPGameName);
    add("MOTD", table.m_strMOTD);
    add("JoinPort", table.m_strJoinPort);
    add("AnnouncePort", table.m_strAnnouncePort);
    add("BehindFirewall", table.m_strBehindFirewall);
    add("PreferredIP", table.m_strPreferredIP);
    add("RemoteServerAccess", table.m_strRemoteServerAccess);
    add("RemoteServerPasswd", table.m_strRemoteServerPasswd);
    add("GameSynchTimeout", table.m_strGameSynchTimeout);
    add("CharIndex", table.m_strCharIndex);
    add("KitIndex", table.m_strKitIndex);
    for (int i = 0; i < 12; ++i) {
        add("IPAddress[" + std::to_string(i) + "]", table.m_strIPAddress[i]);
    }
    add("PlayerName", table.m_strPlayerName);
    add("FirstRun", table.m_strFirstRun);
    add("DoIntro", table.m_strDoIntro);
    add("WindowMode", table.m_strWindowMode);
    add("ShowFPSRate", table.m_strShowFPSRate);
    return settings;
}
