@echo off
