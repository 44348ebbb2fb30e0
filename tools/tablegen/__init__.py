"""Builds the drill tables of ArrayUnit from dictionary data (see tools/gen_tables.py)."""
