#include "settings/OptionsNames.h"

#include <unordered_map>

namespace {

// Every element the launcher knows, with the four sections that hold them.
constexpr COptionsName kOptionsNames[] = {
    {"MouseRadiansPerPixel", COptionsName::Text, &CSettingsTable::m_strMouseRadiansPerPixel,
     nullptr},
    {"UseMouseInput", COptionsName::Text, &CSettingsTable::m_strUseMouseInput, nullptr},
    {"MoveShuffleThreshold", COptionsName::Text, &CSettingsTable::m_strMoveShuffleThreshold,
     nullptr},
    {"MoveNormalThreshold", COptionsName::Text, &CSettingsTable::m_strMoveNormalThreshold, nullptr},
    {"MoveFastThreshold", COptionsName::Text, &CSettingsTable::m_strMoveFastThreshold, nullptr},
    {"MouseLookReverseY", COptionsName::Text, &CSettingsTable::m_strMouseLookReverseY, nullptr},
    {"ThreatIndicatorEnabled", COptionsName::FixedText,
     &CSettingsTable::m_strThreatIndicatorEnabled, "FALSE"},
    {"DefaultKeyMappingFilename", COptionsName::Text,
     &CSettingsTable::m_strDefaultKeyMappingFilename, nullptr},
    {"BloodOn", COptionsName::Text, &CSettingsTable::m_strBloodOn, nullptr},
    {"RecordGame", COptionsName::Text, &CSettingsTable::m_strRecordGame, nullptr},
    {"ShowIntro", COptionsName::Text, &CSettingsTable::m_strShowIntro, nullptr},
    {"AutoAssignStats", COptionsName::Text, &CSettingsTable::m_strAutoAssignStats, nullptr},
    {"InitialRateOfFire", COptionsName::Text, &CSettingsTable::m_strInitialRateOfFire, nullptr},
    {"AlwaysRun", COptionsName::Text, &CSettingsTable::m_strAlwaysRun, nullptr},
    {"ScaleCommandMap", COptionsName::Text, &CSettingsTable::m_strScaleCommandMap, nullptr},
    {"ScaleHUD", COptionsName::Text, &CSettingsTable::m_strScaleHUD, nullptr},
    {"IFFType", COptionsName::Text, &CSettingsTable::m_strIFFType, nullptr},
    {"ShellBackgroundIndex", COptionsName::Text, &CSettingsTable::m_strShellBackgroundIndex,
     nullptr},
    {"ReticuleColorR", COptionsName::Text, &CSettingsTable::m_strReticuleColorR, nullptr},
    {"ReticuleColorG", COptionsName::Text, &CSettingsTable::m_strReticuleColorG, nullptr},
    {"ReticuleColorB", COptionsName::Text, &CSettingsTable::m_strReticuleColorB, nullptr},
    {"ReticuleIFFColorR", COptionsName::Text, &CSettingsTable::m_strReticuleIFFColorR, nullptr},
    {"ReticuleIFFColorG", COptionsName::Text, &CSettingsTable::m_strReticuleIFFColorG, nullptr},
    {"ReticuleIFFColorB", COptionsName::Text, &CSettingsTable::m_strReticuleIFFColorB, nullptr},
    {"XBoxMode", COptionsName::FixedText, &CSettingsTable::m_strXBoxMode, "FALSE"},
    {"FullScreen", COptionsName::Text, &CSettingsTable::m_strFullScreen, nullptr},
    {"VideoResolution", COptionsName::Markup, &CSettingsTable::m_strVideoResolution, nullptr},
    {"ShowFrameRate", COptionsName::Text, &CSettingsTable::m_strShowFrameRate, nullptr},
    {"UsePrimaryDisplay", COptionsName::Text, &CSettingsTable::m_strUsePrimaryDisplay, nullptr},
    {"UseDisplayDeviceGuid", COptionsName::Text, &CSettingsTable::m_strUseDisplayDeviceGuid,
     nullptr},
    {"DisplayDeviceGuid", COptionsName::Text, &CSettingsTable::m_strDisplayDeviceGuid, nullptr},
    {"CompressTextures", COptionsName::Text, &CSettingsTable::m_strCompressTextures, nullptr},
    {"HumanShadowDetail", COptionsName::Text, &CSettingsTable::m_strHumanShadowDetail, nullptr},
    {"VehicleShadowDetail", COptionsName::Text, &CSettingsTable::m_strVehicleShadowDetail, nullptr},
    {"BulletHoleMax", COptionsName::Text, &CSettingsTable::m_strBulletHoleMax, nullptr},
    {"Gamma", COptionsName::Text, &CSettingsTable::m_strGamma, nullptr},
    {"DefaultMipMapping", COptionsName::FixedText, &CSettingsTable::m_strDefaultMipMapping,
     "FALSE"},
    {"MipMapLODBias", COptionsName::FixedText, &CSettingsTable::m_strMipMapLODBias, "-0.500000"},
    {"ShowDeadBodies", COptionsName::Text, &CSettingsTable::m_strShowDeadBodies, nullptr},
    {"CharVertexWeight", COptionsName::Text, &CSettingsTable::m_strCharVertexWeight, nullptr},
    {"ParticleDetail", COptionsName::Text, &CSettingsTable::m_strParticleDetail, nullptr},
    {"UITextureDetail", COptionsName::Text, &CSettingsTable::m_strUITextureDetail, nullptr},
    {"LevelTextureDetail", COptionsName::Text, &CSettingsTable::m_strLevelTextureDetail, nullptr},
    {"CharacterTextureDetail", COptionsName::Text, &CSettingsTable::m_strCharacterTextureDetail,
     nullptr},
    {"EffectTextureDetail", COptionsName::Text, &CSettingsTable::m_strEffectTextureDetail, nullptr},
    {"ZBufferBits", COptionsName::Text, &CSettingsTable::m_strZBufferBits, nullptr},
    {"TreeModelDetail", COptionsName::Text, &CSettingsTable::m_strTreeModelDetail, nullptr},
    {"CharacterModelDetail", COptionsName::Text, &CSettingsTable::m_strCharacterModelDetail,
     nullptr},
    {"MasterVolume", COptionsName::Text, &CSettingsTable::m_strMasterVolume, nullptr},
    {"MasterSwitch", COptionsName::Text, &CSettingsTable::m_strMasterSwitch, nullptr},
    {"EffectsVolume", COptionsName::Text, &CSettingsTable::m_strEffectsVolume, nullptr},
    {"EffectsSwitch", COptionsName::Text, &CSettingsTable::m_strEffectsSwitch, nullptr},
    {"MusicVolume", COptionsName::Text, &CSettingsTable::m_strMusicVolume, nullptr},
    {"MusicSwitch", COptionsName::Text, &CSettingsTable::m_strMusicSwitch, nullptr},
    {"VoiceVolume", COptionsName::Text, &CSettingsTable::m_strVoiceVolume, nullptr},
    {"VoiceSwitch", COptionsName::Text, &CSettingsTable::m_strVoiceSwitch, nullptr},
    {"AlternateCache", COptionsName::Text, &CSettingsTable::m_strAlternateCache, nullptr},
    {"UseEAX", COptionsName::Text, &CSettingsTable::m_strUseEAX, nullptr},
    {"SoundInSoftware", COptionsName::Text, &CSettingsTable::m_strSoundInSoftware, nullptr},
    {"ChatIndicatorSound", COptionsName::Text, &CSettingsTable::m_strChatIndicatorSound, nullptr},
    {"ChatMsg", COptionsName::ChatList, nullptr, nullptr},
    {"MPGameName", COptionsName::Text, &CSettingsTable::m_strMPGameName, nullptr},
    {"MOTD", COptionsName::Text, &CSettingsTable::m_strMOTD, nullptr},
    {"JoinPort", COptionsName::Text, &CSettingsTable::m_strJoinPort, nullptr},
    {"AnnouncePort", COptionsName::Text, &CSettingsTable::m_strAnnouncePort, nullptr},
    {"BehindFirewall", COptionsName::Text, &CSettingsTable::m_strBehindFirewall, nullptr},
    {"PreferredIP", COptionsName::Text, &CSettingsTable::m_strPreferredIP, nullptr},
    {"RemoteServerAccess", COptionsName::Text, &CSettingsTable::m_strRemoteServerAccess, nullptr},
    {"RemoteServerPasswd", COptionsName::Text, &CSettingsTable::m_strRemoteServerPasswd, nullptr},
    {"GameSynchTimeout", COptionsName::Text, &CSettingsTable::m_strGameSynchTimeout, nullptr},
    {"CharIndex", COptionsName::Text, &CSettingsTable::m_strCharIndex, nullptr},
    {"KitIndex", COptionsName::Text, &CSettingsTable::m_strKitIndex, nullptr},
    {"IPAddress", COptionsName::AddressList, nullptr, nullptr},
    {"PlayerName", COptionsName::Text, &CSettingsTable::m_strPlayerName, nullptr},
    {"FirstRun", COptionsName::Text, &CSettingsTable::m_strFirstRun, nullptr},
    {"DoIntro", COptionsName::Text, &CSettingsTable::m_strDoIntro, nullptr},
    {"WindowMode", COptionsName::Text, &CSettingsTable::m_strWindowMode, nullptr},
    {"ShowFPSRate", COptionsName::Text, &CSettingsTable::m_strShowFPSRate, nullptr},
    {"Gameplay", COptionsName::Section, nullptr, nullptr},
    {"Graphics", COptionsName::Section, nullptr, nullptr},
    {"Sound", COptionsName::Section, nullptr, nullptr},
    {"Multiplayer", COptionsName::Section, nullptr, nullptr},
};

// Options files can be large, so names are looked up in a hash table rather than
// compared one after another.
std::unordered_map<std::string_view, const COptionsName*> BuildIndex() {
    std::unordered_map<std::string_view, const COptionsName*> index;
    for (const COptionsName& entry : kOptionsNames) {
        index.emplace(entry.name, &entry);
    }
    return index;
}

} // namespace

const COptionsName* FindOptionsName(std::string_view name) {
    static const std::unordered_map<std::string_view, const COptionsName*> index = BuildIndex();
    const auto found = index.find(name);
    return found != index.end() ? found->second : nullptr;
}
