# The sources of src/analysis/clinical, part of vitalis_core: a new file is added here.
set(VITALIS_ANALYSIS_CLINICAL_SOURCES
    analysis/clinical/Aasi.cpp
    analysis/clinical/ClinicalBlock.cpp
    analysis/clinical/ClinicalReadings.cpp
    analysis/clinical/ClinicalTexts.cpp
    analysis/clinical/Dipping.cpp
    analysis/clinical/GuidelineProfile.cpp
    analysis/clinical/GuidelineVerdict.cpp
    analysis/clinical/HourlyMeans.cpp
    analysis/clinical/MorningSurge.cpp
    analysis/clinical/RecordingQuality.cpp
    analysis/clinical/Variability.cpp
)
