"""Generators for the files that lie beside Quilto: sound cues, sample
pictures and the window icon. Standard library only, deterministic."""
