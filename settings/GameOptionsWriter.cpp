#include "settings/OptionsFiles.h"

#include "framework/ReplaceFile.h"
#include "launcher/Velkan LauncherDlg.h"
#include "settings/TextFile.h"

std::string GameOptionsText(const CSettingsTable& table) {
    CTextFile file;
    file.Line(0, "<OptionsFile>");
    file.Element(1, "MouseRadiansPerPixel", table.m_strMouseRadiansPerPixel);
    file.Element(1, "UseMouseInput", table.m_strUseMouseInput);
    file.Element(1, "MoveShuffleThreshold", table.m_strMoveShuffleThreshold);
    file.Element(1, "MoveNormalThreshold", table.m_strMoveNormalThreshold);
    file.Element(1, "MoveFastThreshold", table.m_strMoveFastThreshold);
    file.Element(1, "MouseLookReverseY", table.m_strMouseLookReverseY);
    file.Element(1, "ThreatIndicatorEnabled", table.m_strThreatIndicatorEnabled);
    file.Element(1, "DefaultKeyMappingFilename", table.m_strDefaultKeyMappingFilename);
    file.Line(1, "<Gameplay>");
    file.Element(2, "BloodOn", table.m_strBloodOn);
    file.Element(2, "RecordGame", table.m_strRecordGame);
    file.Element(2, "ShowIntro", table.m_strShowIntro);
    file.Element(2, "AutoAssignStats", table.m_strAutoAssignStats);
    file.Element(2, "InitialRateOfFire", table.m_strInitialRateOfFire);
    file.Element(2, "AlwaysRun", table.m_strAlwaysRun);
    file.Element(2, "ScaleCommandMap", table.m_strScaleCommandMap);
    file.Element(2, "ScaleHUD", table.m_strScaleHUD);
    file.Element(2, "IFFType", table.m_strIFFType);
    file.Line(1, "</Gameplay>");
    file.Element(1, "ShellBackgroundIndex", table.m_strShellBackgroundIndex);
    file.Element(1, "ReticuleColorR", table.m_strReticuleColorR);
    file.Element(1, "ReticuleColorG", table.m_strReticuleColorG);
    file.Element(1, "ReticuleColorB", table.m_strReticuleColorB);
    file.Element(1, "ReticuleIFFColorR", table.m_strReticuleIFFColorR);
    file.Element(1, "ReticuleIFFColorG", table.m_strReticuleIFFColorG);
    file.Element(1, "ReticuleIFFColorB", table.m_strReticuleIFFColorB);
    file.Element(1, "XBoxMode", table.m_strXBoxMode);
    file.Line(1, "<Graphics>");
    file.Element(2, "FullScreen", table.m_strFullScreen);
    file.Line(2, table.m_strVideoResolution.Bytes());
    file.Element(2, "ShowFrameRate", table.m_strShowFrameRate);
    file.Element(2, "UsePrimaryDisplay", table.m_strUsePrimaryDisplay);
    file.Element(2, "UseDisplayDeviceGuid", table.m_strUseDisplayDeviceGuid);
    file.Element(2, "DisplayDeviceGuid", table.m_strDisplayDeviceGuid);
    file.Element(2, "CompressTextures", table.m_strCompressTextures);
    file.Element(2, "HumanShadowDetail", table.m_strHumanShadowDetail);
    file.Element(2, "VehicleShadowDetail", table.m_strVehicleShadowDetail);
    file.Element(2, "BulletHoleMax", table.m_strBulletHoleMax);
    file.Element(2, "Gamma", table.m_strGamma);
    file.Element(2, "DefaultMipMapping", table.m_strDefaultMipMapping);
    file.Element(2, "MipMapLODBias", table.m_strMipMapLODBias);
    file.Element(2, "ShowDeadBodies", table.m_strShowDeadBodies);
    file.Element(2, "CharVertexWeight", table.m_strCharVertexWeight);
    file.Element(2, "ParticleDetail", table.m_strParticleDetail);
    file.Element(2, "UITextureDetail", table.m_strUITextureDetail);
    file.Element(2, "LevelTextureDetail", table.m_strLevelTextureDetail);
    file.Element(2, "CharacterTextureDetail", table.m_strCharacterTextureDetail);
    file.Element(2, "EffectTextureDetail", table.m_strEffectTextureDetail);
    file.Element(2, "ZBufferBits", table.m_strZBufferBits);
    file.Element(2, "TreeModelDetail", table.m_strTreeModelDetail);
    file.Element(2, "CharacterModelDetail", table.m_strCharacterModelDetail);
    file.Line(1, "</Graphics>");
    file.Line(1, "<Sound>");
    file.Element(2, "MasterVolume", table.m_strMasterVolume);
    file.Element(2, "MasterSwitch", table.m_strMasterSwitch);
    file.Element(2, "EffectsVolume", table.m_strEffectsVolume);
    file.Element(2, "EffectsSwitch", table.m_strEffectsSwitch);
    file.Element(2, "MusicVolume", table.m_strMusicVolume);
    file.Element(2, "MusicSwitch", table.m_strMusicSwitch);
    file.Element(2, "VoiceVolume", table.m_strVoiceVolume);
    file.Element(2, "VoiceSwitch", table.m_strVoiceSwitch);
    file.Element(2, "AlternateCache", table.m_strAlternateCache);
    file.Element(2, "UseEAX", table.m_strUseEAX);
    file.Element(2, "SoundInSoftware", table.m_strSoundInSoftware);
    file.Element(2, "ChatIndicatorSound", table.m_strChatIndicatorSound);
    file.Line(1, "</Sound>");
    file.Line(1, "<Multiplayer>");
    for (const CString& message : table.m_strChatMsg) {
        file.Line(2, message.Bytes());
    }
    file.Element(2, "MPGameName", table.m_strMPGameName);
    file.Element(2, "MOTD", table.m_strMOTD);
    file.Element(2, "JoinPort", table.m_strJoinPort);
    file.Element(2, "AnnouncePort", table.m_strAnnouncePort);
    file.Element(2, "BehindFirewall", table.m_strBehindFirewall);
    file.Element(2, "PreferredIP", table.m_strPreferredIP);
    file.Element(2, "RemoteServerAccess", table.m_strRemoteServerAccess);
    file.Element(2, "RemoteServerPasswd", table.m_strRemoteServerPasswd);
    file.Element(2, "GameSynchTimeout", table.m_strGameSynchTimeout);
    file.Element(2, "CharIndex", table.m_strCharIndex);
    file.Element(2, "KitIndex", table.m_strKitIndex);
    for (const CString& address : table.m_strIPAddress) {
        file.Element(2, "IPAddress", address);
    }
    file.Line(1, "</Multiplayer>");
    file.Element(1, "PlayerName", table.m_strPlayerName);
    file.Line(0, "</OptionsFile>");
    return file.Bytes();
}

void CLauncherDlg::WriteGameOptions() {
    UpdateData(TRUE);

    m_strShowIntro = m_bDisplayIntro ? "TRUE" : "FALSE";
    m_strFullScreen = m_bWindowMode ? "FALSE" : "TRUE";
    m_strWindowMode = m_bWindowMode ? "TRUE" : "FALSE";
    m_strShowFrameRate = m_bShowFrameRate ? "TRUE" : "FALSE";

    // A game options file that did not load at start-up is left as it is: rewritten from
    // an empty table, it would lose every setting of the game.
    if (!m_bGameOptionsLoaded) {
        return;
    }
    AfxReplaceFile(m_strGamePath + "options.xml", GameOptionsText(*this));
}
